#!/usr/bin/env bash
# Builds the solver fuzz target with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer into fuzz/build/veskjirn_fuzz.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
src="$here/../src/solver"
mkdir -p "$here/build"
sources=()
for f in "$src"/*.cpp; do
  case "$(basename "$f")" in veskjirn_main.cpp) ;; *) sources+=("$f") ;; esac
done
clang++ -std=c++20 -g -O1 -ffp-contract=off -fsanitize=fuzzer,address,undefined \
  -fno-sanitize-recover=undefined -I"$src" -I"$src/include" \
  "${sources[@]}" "$here/veskjirn_fuzz.cpp" -o "$here/build/veskjirn_fuzz"
echo "built $here/build/veskjirn_fuzz"
