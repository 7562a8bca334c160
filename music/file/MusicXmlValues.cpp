#include "music/file/MusicXmlValues.h"

#include "foundation/xml/XMLComplexElement.h"

namespace {

std::string FileText(const unit& value)
{
    TXMLComplexElement holder("");
    value.WriteXml("Value", holder);
    return holder.GetFirst()->GetValue();
}

} // namespace

void CanonicalizeValue(unit& value)
{
    // A text read back may show one more digit differently; a few rounds settle it.
    std::string text = FileText(value);
    for (int round = 0; round < 4; ++round) {
        std::string error;
        if (text.empty() || !value.SetFromText(text, "", error))
            return;
        std::string again = FileText(value);
        if (again == text)
            return;
        text = std::move(again);
    }
}

bool IsPlainShortNumber(const std::string& text)
{
    size_t i = text.empty() || text[0] != '-' ? 0 : 1;
    int digits = 0;
    bool point = false;
    bool leading = true;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            leading = leading && c == '0';
            if (!leading)
                ++digits;
        } else {
            return false;
        }
    }
    return digits <= 15;
}

bool WritesAsOne(const unitFactor& value)
{
    if (value.GetValue() == 1.0)
        return true;
    unitFactor read;
    std::string error;
    const std::string text = FileText(value);
    return !text.empty() && read.SetFromText(text, "", error) && read.GetValue() == 1.0;
}

void WriteFactorUnlessOne(const unitFactor& value, const char* name, TXMLComplexElement& parent)
{
    if (!WritesAsOne(value))
        value.WriteXml(name, parent);
}
