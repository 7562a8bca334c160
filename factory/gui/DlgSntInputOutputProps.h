#pragma once
#include "factory/view/PinEditor.h"
#include "foundation/gui/OKCancelDialogs.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTextEdit;

// The properties of one pin (a factory input or output, a node input or
// output), with the same-named pin of the other direction in a simple loop:
// name, height, value kind and domain, description and connections. The
// pins change only on OK.
class TDlgSntInputOutputProps : public TOKHelpRightDlg {
    Q_OBJECT
public:
    TDlgSntInputOutputProps(QWidget* owner, const TPinSubject& subject);

    void accept() override;
    // The kind chosen: the domains and the connect list follow it.
    void TypeChanged();

    QLineEdit* editName = nullptr;
    QLineEdit* editHeight = nullptr;
    QComboBox* cboType = nullptr;
    QComboBox* cboDomain = nullptr;
    QLabel* lblDescription = nullptr;
    QTextEdit* reditDescription = nullptr;
    QLabel* lblConnect = nullptr;
    QListWidget* lbConnect = nullptr;

private:
    void FillDomains(ValueDomType kind, ValueDomain chosen);
    void FillConnections(ValueDomType kind);
    TConnectList ListAsSelected() const;

    TPinEditor Editor;
    TConnectList Connections;
    ValueDomain ChosenDomain;
    // A fixed pin's domain is changed only where its kind allows a wave subtype.
    bool DomainEditable = true;
    bool Filling = true;
};
