#include "factory/gui/DlgSntInputOutputProps.h"

#include "factory/document/UnitSountory.h"
#include "factory/gui/SntDialogHelpers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>

TDlgSntInputOutputProps::TDlgSntInputOutputProps(QWidget* owner, const TPinSubject& subject)
    : TOKHelpRightDlg(owner), Editor(subject), ChosenDomain(subject.Pin->ValueDomain)
{
    setObjectName("DlgSntInputOutputProps");
    setWindowTitle(QString::fromStdString(PinDialogCaption(subject)));
    SetHelpContext(62);
    // This dialog may be sized.
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setMinimumSize(280, 220);
    setSizeGripEnabled(true);

    TSountoryAlgInputOutput& pin = Editor.Pin();
    editName = AddLabeledEdit(Bevel(), "editName", "Name");
    editHeight = AddLabeledEdit(Bevel(), "editHeight", "Height");
    cboType = AddLabeledCombo(Bevel(), "cboType", "Type Domain");
    cboDomain = AddLabeledCombo(Bevel(), "cboDomain", "Value Domain");
    QGridLayout* grid = GridOn(Bevel());
    int row = NextRow(Bevel());
    lblDescription = new QLabel("Description", Bevel());
    lblDescription->setObjectName("lblDescription");
    reditDescription = NewDescriptionEdit(Bevel());
    grid->addWidget(lblDescription, row, 0, Qt::AlignTop);
    grid->addWidget(reditDescription, row, 1);
    ++row;
    lblConnect = new QLabel(Editor.ConnectLabel(), Bevel());
    lblConnect->setObjectName("lblConnect");
    lbConnect = new QListWidget(Bevel());
    lbConnect->setObjectName("lbConnect");
    lbConnect->setSelectionMode(Editor.IsSource() ? QAbstractItemView::MultiSelection
                                                  : QAbstractItemView::SingleSelection);
    grid->addWidget(lblConnect, row, 0, Qt::AlignTop);
    grid->addWidget(lbConnect, row, 1);
    grid->setRowStretch(row, 1);

    // Node pins have no description: the connect list takes its room.
    if (!Editor.HasDescription()) {
        lblDescription->hide();
        reditDescription->hide();
    }

    editName->setText(QString::fromStdString(pin.Name));
    unitFactorPosMax1 height(pin.GetHeight(), EHPerc);
    editHeight->setText(QString::fromStdString(height.GetText()));
    reditDescription->setPlainText(QString::fromStdString(Editor.Description()));
    for (const char* name : ValueDomTypeNames)
        cboType->addItem(name);
    cboType->setCurrentIndex(static_cast<int>(pin.ValueDomType));
    if (pin.Fixed) {
        editName->setEnabled(false);
        cboType->setEnabled(false);
        auto* item = dynamic_cast<TSountoryInputOutput*>(&pin);
        DomainEditable = item && item->CanChangeWaveSubtype;
    }
    FillDomains(pin.ValueDomType, pin.ValueDomain);
    FillConnections(pin.ValueDomType);
    connect(cboType, &QComboBox::currentIndexChanged, this, [this] { TypeChanged(); });
    connect(cboDomain, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (Filling || index < 0 || cboType->currentIndex() < 0)
            return;
        ChosenDomain = TPinEditor::DomainChoices(static_cast<ValueDomType>(cboType->currentIndex()))
            [static_cast<size_t>(index)];
    });
    Filling = false;
    resize(420, 333);
}

void TDlgSntInputOutputProps::FillDomains(ValueDomType kind, ValueDomain chosen)
{
    const bool filling = Filling;
    Filling = true;
    cboDomain->clear();
    const std::vector<ValueDomain> domains = TPinEditor::DomainChoices(kind);
    int selected = -1;
    for (size_t i = 0; i < domains.size(); ++i) {
        cboDomain->addItem(ValueDomainNames[static_cast<size_t>(domains[i])]);
        if (domains[i] == chosen)
            selected = static_cast<int>(i);
    }
    cboDomain->setCurrentIndex(selected);
    cboDomain->setEnabled(DomainEditable && !domains.empty());
    Filling = filling;
}

void TDlgSntInputOutputProps::FillConnections(ValueDomType kind)
{
    Connections = Editor.ConnectList(kind);
    lbConnect->clear();
    for (const TConnectEntry& entry : Connections.Entries) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.Text), lbConnect);
        item->setSelected(entry.Selected);
    }
}

void TDlgSntInputOutputProps::TypeChanged()
{
    if (Filling || cboType->currentIndex() < 0)
        return;
    const auto kind = static_cast<ValueDomType>(cboType->currentIndex());
    FillDomains(kind, ChosenDomain);
    FillConnections(kind);
}

TConnectList TDlgSntInputOutputProps::ListAsSelected() const
{
    TConnectList list = Connections;
    for (size_t i = 0; i < list.Entries.size(); ++i)
        list.Entries[i].Selected = lbConnect->item(static_cast<int>(i))->isSelected();
    return list;
}

void TDlgSntInputOutputProps::accept()
{
    double height = 0;
    const std::string name = editName->text().toStdString();
    const int kindIndex = cboType->currentIndex();
    if (!Editor.Check(name, editHeight->text().toStdString(), kindIndex, cboDomain->isEnabled(),
                      cboDomain->currentIndex(), height))
        return;
    const auto kind = static_cast<ValueDomType>(kindIndex);
    const std::vector<ValueDomain> domains = TPinEditor::DomainChoices(kind);
    const int entry = cboDomain->currentIndex();
    ValueDomain domain = entry >= 0 && entry < static_cast<int>(domains.size())
                             ? domains[static_cast<size_t>(entry)]
                             : ValueDomainChoices[static_cast<size_t>(kind)][0];
    // A domain that could not be changed stays what it was.
    if (!cboDomain->isEnabled() && kind == Editor.Pin().ValueDomType && !domains.empty())
        domain = Editor.Pin().ValueDomain;
    Editor.Apply(name, height, kind, domain, reditDescription->toPlainText().toStdString(), ListAsSelected());
    TOKHelpRightDlg::accept();
}
