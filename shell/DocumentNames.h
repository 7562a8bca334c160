#pragma once
#include <functional>
#include <string>

using NameTakenTest = std::function<bool(const std::string&)>;

// The first of "prefix 1", "prefix 2", ... (with " suffix" appended when there
// is one) that no open document has; names left free are used again, lowest first.
std::string NewUnitName(const std::string& prefix, const std::string& suffix, const NameTakenTest& isTaken);

// The wished name when it is free, else the wished name numbered as above.
std::string FreeUnitName(const std::string& wished, const NameTakenTest& isTaken);
