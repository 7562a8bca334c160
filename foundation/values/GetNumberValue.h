#pragma once
#include <cstdint>
#include <string>

class TXMLItem;

// The whole number a text element holds, read as a whole-number field labelled
// with the element's name. On failure number is untouched and error holds
// "In " + name + ": " + the reason. Line and column always receive the
// element's position, for the caller's message.
bool GetNumberValue(const TXMLItem& element, int32_t& number, std::string& error, int32_t& line, int32_t& column);
