#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

// The unit conversion calculator: five quantities, each with its units in
// the order of the window's option buttons.
struct CalculatorTab {
    const char* Caption;             // "Length units", ...
    std::vector<const char*> Units;  // "in", "ft", "cm", "m", ...
};

// The five tabs: length, load, load gradient, pressure/stress, and
// pressure/stress gradient.
const std::array<CalculatorTab, 5>& CalculatorTabs();

// Converts `value` from one unit to another of the same quantity (unit names
// as in CalculatorTabs). Converting into the same unit gives the value back
// unchanged. False when a name is unknown or the two units measure different
// quantities.
bool ConvertCalculatorUnits(double value, std::string_view from, std::string_view to, double& result);

// The calculator's input box: a number with "."; any other text reads as 0.
double CalculatorInputValue(std::string_view text);

// What the result boxes of tab `tab` show for the input text in unit
// `fromUnit` (index in the tab's units): each unit's value in the general
// number format, in the tab's unit order.
std::vector<std::string> CalculatorResults(size_t tab, size_t fromUnit, std::string_view inputText);

}  // namespace vesk
