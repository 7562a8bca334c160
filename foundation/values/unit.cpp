#include "foundation/values/unit.h"

#include "foundation/GuiMessages.h"
#include "foundation/values/ValueFormat.h"
#include "foundation/values/ValueEdit.h"
#include "foundation/xml/XMLComplexElement.h"
#include "foundation/xml/XMLStringElement.h"

#include <memory>

void unit::CheckEdit(bool& ok, const std::string& text, const std::string& label)
{
    if (!ok)
        return;
    std::string error;
    if (!SetFromText(text, label, error)) {
        TGuiMessages().ShowInputError(error);
        ok = false;
    }
}

void unit::CheckEditSilent(bool& ok, const std::string& text, const std::string& label, std::string& error)
{
    if (!ok)
        return;
    if (!SetFromText(text, label, error))
        ok = false;
}

void unit::WriteXml(const std::string& name, TXMLComplexElement& parent) const
{
    parent.AddItem(std::make_unique<TXMLStringElement>(name, GetXmlText()));
}

bool unit::ReadXml(const TXMLItem& element, std::string& error, int32_t& line, int32_t& column)
{
    line = element.GetLine();
    column = element.GetColumn();
    // The grammar hands over text elements only; anything else has no value to read.
    const std::string text = element.GetKind() == xmlItemString ? element.GetValue() : std::string();
    return SetFromText(text, element.GetElement(), error);
}

void unit::ShowInEdit(TValueEdit& edit) const
{
    edit.SetEditText(GetText());
}

bool unit::Refuse(const std::string& label, const std::string& reason, std::string& error)
{
    error = "In " + label + ": " + reason;
    return false;
}

std::string unit::EditText(const TValueEdit& edit)
{
    return edit.GetEditText();
}

std::string unit::TextIfShown(double value, ValueType type, UnitKind kind, uint32_t shownKinds, int precision)
{
    if (kind >= UnitKindCount || (shownKinds & KindBit(kind)) == 0)
        return "";
    return FormatValueInUnit(value, type, kind, precision, true);
}
