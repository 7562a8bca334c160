#include "wave/document/FileUnit.h"

#include "foundation/xml/XMLStringElement.h"
#include "wave/document/DocumentWindowAccess.h"

TFileUnit::TFileUnit(uint8_t kind) : Kind(kind) {}

TFileUnit::~TFileUnit() = default;

void TFileUnit::SetName(const std::string& name)
{
    std::string oldName = Name;
    Name = name;
    // A document is named before its window exists; only a window retitles.
    if (Window)
        Window->NameChanged(oldName);
}

void TFileUnit::SetFileName(const std::string& fileName)
{
    FileName = fileName;
    if (Window)
        Window->UpdateChildCaption();
}

std::unique_ptr<TXMLItem> TFileUnit::WriteFileXml() const
{
    if (HasNoFileName())
        return nullptr;
    return std::make_unique<TXMLStringElement>("File", FileName);
}

std::unique_ptr<TXMLItem> TFileUnit::WriteTempFileXml() const
{
    if (TempFileNumber == -1)
        return nullptr;
    return std::make_unique<TXMLStringElement>("TempFile", std::to_string(TempFileNumber));
}
