#include "factory/gui/DlgSntRunAtWnd.h"

#include "wave/MainFormAccess.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

TDlgSntRunAtWnd::TDlgSntRunAtWnd(QWidget* owner, uint8_t factoryKind) : TOKHelpRightDlg(owner)
{
    setObjectName("DlgSntRunAtWnd");
    setWindowTitle("Run Factory");
    SetHelpContext(65);
    auto* layout = new QVBoxLayout(Bevel());
    layout->addWidget(new QLabel("Name Factory", Bevel()));
    lbSountories = new QListWidget(Bevel());
    lbSountories->setObjectName("lbSountories");
    layout->addWidget(lbSountories);
    FactoryNameList factories;
    MainForm().AddFactoryNamesOfKind(factories, factoryKind);
    for (const FactoryNameItem& item : factories) {
        auto* entry = new QListWidgetItem(QString::fromStdString(item.name), lbSountories);
        entry->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(item.factory)));
    }
    connect(lbSountories, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
}

void TDlgSntRunAtWnd::accept()
{
    QListWidgetItem* chosen = lbSountories->currentItem();
    if (!chosen || !chosen->isSelected())
        return;
    Sountory = static_cast<TUnitSountory*>(chosen->data(Qt::UserRole).value<void*>());
    TOKHelpRightDlg::accept();
}
