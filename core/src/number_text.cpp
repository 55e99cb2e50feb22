#include "movla/number_text.h"
// Placeholder until the conversions land.
namespace movla {
ReadResult read_number(std::string_view, std::string_view) { return {0.0, ReadError::not_a_number}; }
std::string write_whole_number(std::int16_t value) { return std::to_string(value); }
std::string write_two_decimals(double, std::string_view) { return {}; }
} // namespace movla
