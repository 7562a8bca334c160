#include "foundation/gui/SaveFileDialog.h"

#include "foundation/SaveFileName.h"
#include "foundation/gui/OKCancelDialogs.h"

#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>

#include <utility>

TSaveFileDialog::TSaveFileDialog(QWidget* parent, const QString& title, std::string filter,
                                 std::string defaultExtension)
    : QFileDialog(parent, title), filter(std::move(filter)), defaultExtension(std::move(defaultExtension))
{
    SetDialogWindowFlags(this);
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix(QString::fromStdString(this->defaultExtension));
    // It opens without a file name: the document's own is not offered.
    selectFile(QString());
}

std::string TSaveFileDialog::ChosenFile() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? std::string() : SaveFileName(files.first().toStdString(), filter, defaultExtension);
}

void TSaveFileDialog::accept()
{
    // Qt adds its default suffix only to a name without any dot, and checks the
    // name it has: the missing extension goes into the name field first.
    const QStringList files = selectedFiles();
    auto* edit = findChild<QLineEdit*>("fileNameEdit");
    auto* list = findChild<QListView*>("listView");
    if (!files.isEmpty() && edit && list && !QFileInfo(files.first()).isDir()) {
        const std::string chosen = files.first().toStdString();
        const std::string saved = SaveFileName(chosen, filter, defaultExtension);
        if (saved.size() > chosen.size()) {
            // A file picked in the list would win over the name field.
            list->selectionModel()->clearSelection();
            edit->setText(edit->text() + QString::fromStdString(saved.substr(chosen.size())));
        }
    }
    QFileDialog::accept();
}
