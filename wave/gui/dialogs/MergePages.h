#pragma once
#include "wave/props/MergeProposal.h"
#include "wave/view/VoldViewProps.h"
#include "wave/view/WaveViewProps.h"

#include <QString>

#include <cstdint>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QWidget;
class TUnitWave;
class TWaveComboBox;
class unitUnitWave;

// What the two merge dialogs share: the two combos of open waves, and the
// page control whose pages show only where the two waves differ, each preset
// to a proposal for the new wave. The first page (channels or length) is the
// dialog's own; frequency, bits and display are here. OK stays disabled until
// the user has picked two different waves; nothing is typed, so nothing can
// be refused.
class TMergePages {
public:
    // The record fields the pages read and write.
    struct TFields {
        unitUnitWave& first;
        unitUnitWave& last;
        uint32_t& sampleFreq;
        uint16_t& bytesPSample;
        TWaveViewProps& waveViewProps;
        TVoldViewProps& voldViewProps;
        uint8_t& showKind;
    };
    using TPropose = MergeProposal (*)(const MergeWaveFormat& first, const MergeWaveFormat& last);
    // The dialog's own first page for two waves: whether it shows (it fills
    // its edits and presets its choice when it does).
    using TOwnPage = std::function<bool(const MergeProposal&, const TUnitWave& first, const TUnitWave& last)>;

    // The combos are labelled (and their waves named in messages) first and last.
    TMergePages(QWidget* parent, QPushButton* okButton, TFields fields, TPropose propose, const char* firstName,
                const char* lastName, const QString& firstLabel, const QString& lastLabel);
    // Everything in one widget, for the dialog's frame.
    QWidget* Widget() const { return widget; }
    // The dialog's own page, made first, and what decides whether it shows.
    QWidget* NewOwnPage(const char* name, const QString& caption, TOwnPage decide);

    // Showing: the combos filled with every named wave and the record's waves
    // selected; no page shown (the page control hidden with them), OK
    // disabled, the first combo focused.
    void Show();
    // OK: what the shared pages say, read into the fields; a hidden page gives
    // the first wave's own.
    void Read();
    // The first wave as last read from its combo.
    const TUnitWave* FirstUnit() const;
    bool IsPageVisible(QWidget* page) const;

    // A read-only edit with its label, in the next row of a page.
    static QLineEdit* NewShownEdit(QWidget* page, const char* name, const QString& label);
    // A group of option buttons, none checked; checked button i is item i.
    static QGroupBox* NewChoice(QWidget* page, const char* name, const QString& caption,
                                std::initializer_list<const char*> items, QButtonGroup*& buttons);

    TWaveComboBox* cboFirst;
    TWaveComboBox* cboLast;
    QTabWidget* pgcDiffs;
    QWidget* tsFrequency;
    QLineEdit* editFreqFirst;
    QLineEdit* editFreqLast;
    QListWidget* lbFreq;
    QWidget* tsBits;
    QLineEdit* editBitsFirst;
    QLineEdit* editBitsLast;
    QGroupBox* rgrBits;
    QWidget* tsDisplay;
    QGroupBox* rgrDisplay;

private:
    QWidget* NewPage(const char* name, const QString& caption);
    void AddSharedPages();
    // A change of either combo by the user.
    void EvOnChangeUnitWave();
    void SetPageVisible(QWidget* page, bool visible);
    void HideAll();

    QWidget* widget;
    QLabel* lblDiffs;
    QPushButton* okButton;
    TFields fields;
    TPropose propose;
    QString firstLabel;
    QString lastLabel;
    QWidget* ownPage = nullptr;
    TOwnPage decideOwnPage;
    QButtonGroup* bitsButtons = nullptr;
    QButtonGroup* displayButtons = nullptr;
};
