#include "shell/gui/DlgWaveFileProp.h"

#include "platform/HelpService.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int HelpContext = 2;
const char* const FrequencyItems[TWaveFileProps::FrequencyCount] = {"5 kHz",  "11 kHz", "22 kHz",
                                                                    "44 kHz", "88 kHz", "176 kHz"};

QGroupBox* RadioGroup(const QString& caption, const char* first, const char* second, QButtonGroup*& buttons,
                      QWidget* owner)
{
    auto* box = new QGroupBox(caption, owner);
    auto* layout = new QVBoxLayout(box);
    buttons = new QButtonGroup(box);
    int id = 0;
    for (const char* item : {first, second}) {
        auto* radio = new QRadioButton(item, box);
        buttons->addButton(radio, id++);
        layout->addWidget(radio);
    }
    return box;
}

} // namespace

TDlgWaveFileProp::TDlgWaveFileProp(QWidget* owner, const TWaveFileProps& props) : QDialog(owner), Props(props)
{
    setObjectName("DlgWaveFileProp");
    setWindowTitle("Wave Properties");
    auto* controls = new QVBoxLayout;
    QGroupBox* bits = RadioGroup("Wave Values", "8 Bits", "16 Bits", grpWaveValues, this);
    bits->setObjectName("grpWaveValues");
    controls->addWidget(bits);
    auto* label = new QLabel("Sample Frequency:", this);
    controls->addWidget(label);
    lbSampleFreq = new QListWidget(this);
    lbSampleFreq->setObjectName("lbSampleFreq");
    for (const char* item : FrequencyItems)
        lbSampleFreq->addItem(item);
    lbSampleFreq->setFixedHeight(lbSampleFreq->sizeHintForRow(0) * TWaveFileProps::FrequencyCount + 6);
    label->setBuddy(lbSampleFreq);
    controls->addWidget(lbSampleFreq);
    QGroupBox* channels = RadioGroup(QString(), "Mono", "Stereo", grpMonoStereo, this);
    channels->setObjectName("grpMonoStereo");
    controls->addWidget(channels);

    // OK, Cancel and Help on the right.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help,
                                         Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TDlgWaveFileProp::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TDlgWaveFileProp::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { Help().ShowContext(HelpContext); });
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(buttons);
    EvOnShow();
}

void TDlgWaveFileProp::EvOnShow()
{
    grpWaveValues->button(Props.BytesPSample != 1 ? 1 : 0)->setChecked(true);
    lbSampleFreq->setCurrentRow(TWaveFileProps::FrequencyIndex(Props.SampleFreq));
    grpMonoStereo->button(Props.MonoStereo != 1 ? 1 : 0)->setChecked(true);
}

void TDlgWaveFileProp::accept()
{
    Props.BytesPSample = grpWaveValues->checkedId() == 1 ? 2 : 1;
    Props.SampleFreq = TWaveFileProps::FrequencyOfIndex(lbSampleFreq->currentRow(), Props.SampleFreq);
    Props.MonoStereo = grpMonoStereo->checkedId() == 1 ? 2 : 1;
    QDialog::accept();
}
