#pragma once
#include "foundation/gui/OKCancelDialogs.h"
#include "wave/gui/dialogs/WaveComboBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QString>

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class QAbstractButton;
class QDialog;
class unit;
class unitUnitWave;

// The one base of the effect settings dialogs.
//
// A dialog edits its own copy of a settings record, `Props`, and hands it
// back with GetProps after OK; the caller's record is never touched. Its
// constructor first makes the controls (NewEdit, NewOption ... and Row,
// which lays them out in rows on the frame or in a group box), then declares
// the fields in the order OK reads them:
//
//   Kind(Props.VolumeKind, {optConstant, optEnvelope});
//   Value(Props.Factor, editVolume, "Constant").When(Is(Props.VolumeKind, 0)).Checks({optConstant});
//   Wave(Props.VolumeEnvelope, cboUnitWave, 1, "Envelope").When(Is(Props.VolumeKind, 1)).Checks({optEnvelope});
//
// Kind binds a kind byte to option buttons (or RadioGroup to a radio group),
// Value a value object to an edit with the label its messages name, Wave a
// wave reference to a combo of the open waves of a filter, Flag a byte to a
// check box, Check a cross-field test with its whole message, Step anything
// else. When gives the condition under which OK reads the field: a kind
// declared earlier has been read by then, so only the fields the chosen
// options need are read. Checks makes the user's change of the field's edit
// or combo check those option buttons or tick those check boxes.
//
// Showing fills, in this order whatever the declaration order: every value
// text, every combo (filled, then its reference selected), every radio group
// and check box, every option button; then OnShow steps of the last phase.
// OK reads every field whose condition holds with one `valid` flag: the
// first refusal shows its message ("In " + label + ": " + the reason, or a
// check's own text, captioned "Input Error") and the fields after it are not
// read; while a field was refused the dialog stays open with the user's texts.
// Kinds and flags are taken whatever was refused before them.
class TEffectForm {
public:
    enum class TShowPhase { Texts, Combos, Groups, Options, Last };

    // A declared field; the two calls chain.
    class TField {
    public:
        // OK reads the field only while the condition holds.
        TField& When(std::function<bool()> condition);
        // The user's change of the field's control checks these buttons.
        TField& Checks(std::initializer_list<QAbstractButton*> buttons);

    private:
        friend class TEffectForm;
        TShowPhase phase = TShowPhase::Last;
        bool readAfterRefusal = false; // kinds and flags
        std::function<void()> show;
        std::function<void(bool& valid)> read;
        std::function<bool()> condition;
        std::function<void(std::function<void()>)> onUserChange;
    };

    virtual ~TEffectForm() = default;
    TEffectForm(const TEffectForm&) = delete;
    TEffectForm& operator=(const TEffectForm&) = delete;

    // Fills the controls from the record (done when the dialog is shown).
    void ShowFields();
    // Reads the controls into the record; false (one message shown) while a
    // field is refused.
    bool ReadFields();

protected:
    TEffectForm(QDialog* dialog, QWidget* frame);

    // ---- fields, in reading order ----
    TField& Kind(uint8_t& kind, std::initializer_list<QAbstractButton*> options);
    // The option buttons of a radio group made by NewRadioGroup.
    TField& RadioGroup(uint8_t& kind, QGroupBox* group);
    TField& Value(unit& value, QLineEdit* edit, std::string label);
    TField& Wave(unitUnitWave& reference, TWaveComboBox* combo, uint8_t filter, std::string label);
    TField& Flag(uint8_t& flag, QCheckBox* box);
    TField& Check(std::string message, std::function<bool()> passes);
    TField& Step(std::function<void(bool& valid)> read);
    // Something more to show, after the phase's fields.
    void OnShow(TShowPhase phase, std::function<void()> show);
    static std::function<bool()> Is(const uint8_t& kind, uint8_t value);
    // Cancel: the dialog closes, whatever the fields hold.
    virtual void OnCancel() {}

    // ---- controls ----
    QWidget* Frame() const { return frame; }
    // The next row of the container (the frame or a group box); a null cell
    // stays empty, the last cell takes the rest of the row.
    void Row(QWidget* container, std::initializer_list<QWidget*> cells);
    QLabel* NewLabel(const QString& text);
    QLineEdit* NewEdit(const char* name);
    QRadioButton* NewOption(const char* name, const QString& caption);
    QCheckBox* NewCheck(const char* name, const QString& caption);
    TWaveComboBox* NewWaveCombo(const char* name);
    // A group box in the next row of the container.
    QGroupBox* NewGroup(QWidget* container, const char* name, const QString& caption);
    QGroupBox* NewRadioGroup(QWidget* container, const char* name, const QString& caption,
                             std::initializer_list<const char*> items);
    // A row of a label and a new edit.
    QLineEdit* LabeledEdit(QWidget* container, const char* name, const QString& label);

    bool valid = true;

private:
    TField& Add(TShowPhase phase);
    // A kind byte shown on and read from exclusive buttons, whatever was refused before.
    TField& ButtonsKind(uint8_t& kind, std::vector<QAbstractButton*> buttons, QObject* groupOwner,
                        TShowPhase phase);

    QDialog* dialog;
    QWidget* frame;
    std::deque<TField> fields; // references stay good while fields are added
};

// The dialog shape (one of the four templates) and the record edited.
template <class Shape, class Record>
class TEffectDialog : public Shape, public TEffectForm {
public:
    // The record as the user left it; read after OK.
    Record GetProps() const { return Props; }

    void accept() override
    {
        if (ReadFields())
            Shape::accept();
    }
    void reject() override
    {
        OnCancel();
        Shape::reject();
    }

protected:
    TEffectDialog(QWidget* owner, const QString& caption, int helpContext, const Record& props)
        : Shape(owner), TEffectForm(this, this->Bevel()), Props(props)
    {
        this->setWindowTitle(caption);
        this->SetHelpContext(helpContext);
    }

    void showEvent(QShowEvent* event) override
    {
        if (!event->spontaneous())
            ShowFields();
        Shape::showEvent(event);
    }

    Record Props;
};
