#pragma once
#include "foundation/values/ValueVocabulary.h"

#include <cstdint>
#include <string>

class TXMLItem;
class TXMLComplexElement;
class TValueEdit;

// A number with the unit it was typed in and the range it must lie in: parsed
// from text with units, shown as text in the same unit, refused with a message
// naming the field, written to and read from XML.
class unit {
public:
    virtual ~unit() = default;

    // The value as text in its unit kind; empty for a kind the class does not show.
    virtual std::string GetText() const = 0;
    // Does nothing when ok is already false, so that of several fields checked
    // with one flag only the first refusal is shown; otherwise parses the text
    // and on refusal shows the message in the input-error box and clears ok.
    virtual void CheckEdit(bool& ok, const std::string& text, const std::string& label);
    // As CheckEdit, handing the message to the caller instead of showing it.
    virtual void CheckEditSilent(bool& ok, const std::string& text, const std::string& label, std::string& error);
    // Parses the text; on success stores value and unit kind. On failure the
    // object is unchanged and error is "In " + label + ": " + the reason.
    virtual bool SetFromText(const std::string& text, const std::string& label, std::string& error) = 0;
    // Appends a text element named name holding the value.
    virtual void WriteXml(const std::string& name, TXMLComplexElement& parent) const;
    // Reads the value from a text element, labelled with the element's name;
    // line and column always receive the element's position.
    virtual bool ReadXml(const TXMLItem& element, std::string& error, int32_t& line, int32_t& column);

    void CheckEdit(bool& ok, const TValueEdit& edit, const std::string& label) { CheckEdit(ok, EditText(edit), label); }
    void CheckEditSilent(bool& ok, const TValueEdit& edit, const std::string& label, std::string& error)
    {
        CheckEditSilent(ok, EditText(edit), label, error);
    }
    // Puts the value's text into the field.
    void ShowInEdit(TValueEdit& edit) const;

    UnitKind GetUnitKind() const { return unitKind; }
    ValueDomain GetDomain() const { return domain; }

protected:
    unit(UnitKind unitKind, ValueDomain domain) : unitKind(unitKind), domain(domain) {}
    unit(const unit&) = default;
    unit& operator=(const unit&) = default;

    // The text written to XML: one the class's own parser reads back. By
    // default GetText; classes whose shown kinds include one the parser does
    // not take override it.
    virtual std::string GetXmlText() const { return GetText(); }
    // The value formatted in kind when kind is among the shown ones (bit n for
    // kind n), else empty.
    static std::string TextIfShown(double value, ValueType type, UnitKind kind, uint32_t shownKinds, int precision);
    static constexpr uint32_t KindBit(UnitKind kind) { return 1u << kind; }
    static constexpr uint32_t KindRange(UnitKind first, UnitKind last)
    {
        return ((last >= 31 ? 0xFFFFFFFFu : (1u << (last + 1)) - 1)) & ~((1u << first) - 1);
    }
    // Whether a text of GetText can be read back by the parsers: not empty, not
    // the star of a zero under a division (" * hz") and not the stars of a
    // conversion beyond the doubles ("*** khz").
    static bool IsReadable(const std::string& text) { return !text.empty() && text[0] != ' ' && text[0] != '*'; }
    // Completes a parser's reason into the message of SetFromText.
    static bool Refuse(const std::string& label, const std::string& reason, std::string& error);

    UnitKind unitKind;
    ValueDomain domain;

private:
    static std::string EditText(const TValueEdit& edit);
};
