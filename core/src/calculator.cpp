#include "movla/calculator.h"
// Placeholder until the calculation pass lands.
namespace movla {
std::string_view field_name(Field) { return {}; }
void sCalculate_Change(CalculatorFields&, std::string_view) {}
} // namespace movla
