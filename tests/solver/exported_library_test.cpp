// The shipped library, loaded by name and bound by its one export as the
// program binds it, gives what the run routine gives.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "solver_fixture.h"

namespace veskjirn {
namespace {

TEST(ExportedLibrary, LoadsByNameAndRunsThroughItsExport) {
    const std::string library = (vesk::test::BinaryDir() / "libVeskJirn_v9.so").string();
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    using Entry = int32_t (*)(const char*);
    auto entry = reinterpret_cast<Entry>(dlsym(handle, "VeskJirn"));
    ASSERT_NE(entry, nullptr);

    vesk::test::TempDir folder;
    const std::string text = test::ModelText(test::ModelSpec{});
    vesk::test::WriteTextFile(folder.file("shipped.in2"), text);
    EXPECT_EQ(entry(folder.file("shipped.in2").c_str()), 0);
    ASSERT_EQ(test::RunText(folder, "internal.in2", text), 0);
    EXPECT_EQ(vesk::test::ReadTextFile(folder.file("shipped.vk1")),
              vesk::test::ReadTextFile(folder.file("internal.vk1")));
    dlclose(handle);
}

}  // namespace
}  // namespace veskjirn
