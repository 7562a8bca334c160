#pragma once
#include "foundation/xml/XMLItem.h"

#include <string>

// The bytes of a file holding document: the declaration line, the DOCTYPE line
// naming the root with its format's version suffix (such as "_v9_1"), a blank
// line and the tree; lines end in CR LF, texts are ISO-8859-1.
std::string DocumentBytes(const TXMLItem& document, const std::string& suffix);

// Writes DocumentBytes to fileName. The bytes go to a temporary file in the
// same folder that replaces fileName only when every write and the close have
// succeeded, so a failed save leaves the previous file as it was. On failure
// gives false and the error text.
bool WriteDocument(const TXMLItem& document, const std::string& fileName, std::string& error,
                   const std::string& suffix);
