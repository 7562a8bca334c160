#pragma once
#include "wave/gui/dialogs/EffectDialog.h"

// An effect dialog with the "Length" group of four choices that "Roll out" and
// "Pitch Tempo" share: a length factor, a new length, the length of another
// wave, or a count. The record has LengthKind, LengthFactor, NewLength,
// SameLengthAs and Count.
template <class Record>
class TLengthChoiceDialog : public TEffectDialog<TOKHelpRightDlg, Record> {
public:
    QGroupBox* grpLength = nullptr;
    QRadioButton* optLengthFactor = nullptr;
    QLineEdit* editLengthFactor = nullptr;
    QRadioButton* optLengthNew = nullptr;
    QLineEdit* editLengthNew = nullptr;
    QRadioButton* optLengthSameAs = nullptr;
    TWaveComboBox* cboLengthSameAs = nullptr;
    QRadioButton* optLengthCount = nullptr;
    QLineEdit* editLengthCount = nullptr;

protected:
    using TEffectDialog<TOKHelpRightDlg, Record>::TEffectDialog;

    // Makes the group in the next row of the frame and declares its fields
    // next in reading order.
    void LengthChoice()
    {
        grpLength = this->NewGroup(this->Frame(), "grpLength", "Length");
        optLengthFactor = this->NewOption("optLengthFactor", "Length Factor");
        editLengthFactor = this->NewEdit("editLengthFactor");
        this->Row(grpLength, {optLengthFactor, editLengthFactor});
        optLengthNew = this->NewOption("optLengthNew", "New Length");
        editLengthNew = this->NewEdit("editLengthNew");
        this->Row(grpLength, {optLengthNew, editLengthNew});
        optLengthSameAs = this->NewOption("optLengthSameAs", "Same Length as");
        cboLengthSameAs = this->NewWaveCombo("cboLengthSameAs");
        this->Row(grpLength, {optLengthSameAs, cboLengthSameAs});
        optLengthCount = this->NewOption("optLengthCount", "Count");
        editLengthCount = this->NewEdit("editLengthCount");
        this->Row(grpLength, {optLengthCount, editLengthCount});

        Record& props = this->Props;
        this->Kind(props.LengthKind, {optLengthFactor, optLengthNew, optLengthSameAs, optLengthCount});
        this->Value(props.LengthFactor, editLengthFactor, "Length Factor")
            .When(this->Is(props.LengthKind, 0))
            .Checks({optLengthFactor});
        this->Value(props.NewLength, editLengthNew, "New Length")
            .When(this->Is(props.LengthKind, 1))
            .Checks({optLengthNew});
        this->Wave(props.SameLengthAs, cboLengthSameAs, 1, "Same Length as")
            .When(this->Is(props.LengthKind, 2))
            .Checks({optLengthSameAs});
        this->Value(props.Count, editLengthCount, "Count")
            .When(this->Is(props.LengthKind, 3))
            .Checks({optLengthCount});
    }
};
