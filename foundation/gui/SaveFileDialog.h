#pragma once
#include <QFileDialog>

#include <string>

// A save dialog (not the platform's own: the same dialog everywhere) that
// writes only names the program opens again: a name whose extension is none of
// the filter's gets the default extension (SaveFileName). It is added before
// the dialog checks the name, so the question about replacing a file names the
// file that will be written. The name filters shown are set by the caller.
class TSaveFileDialog : public QFileDialog {
    Q_OBJECT
public:
    // filter: "description|pattern" pairs or Qt's "description (patterns);;..."
    TSaveFileDialog(QWidget* parent, const QString& title, std::string filter, std::string defaultExtension);

    // The file to write once the dialog was accepted; empty when none was chosen.
    std::string ChosenFile() const;

    void accept() override;

private:
    std::string filter;
    std::string defaultExtension;
};
