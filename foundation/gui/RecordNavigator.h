#pragma once
#include <QWidget>

#include <cstdint>
#include <functional>

class QLineEdit;
class QPushButton;
class TRecordBrowser;

// The navigator of a record browser: the count and the position of the shown
// record, the four moves (first, previous, next, last) and the list edits
// (insert, append, delete, copy, paste, clear). Each button runs one
// operation of the browser; the browser tells it which are offered.
class TRecordNavigator : public QWidget {
    Q_OBJECT
public:
    explicit TRecordNavigator(QWidget* parent = nullptr);

    // The browser the buttons act on (not owned); none disables them.
    void SetBrowser(TRecordBrowser* browser);
    // The browser's navigator update: count and position as whole numbers,
    // the moves back and forth, delete and paste as offered.
    void ShowNavigator(int32_t count, int32_t position, bool canBack, bool canForward, bool canDelete,
                       bool canPaste);

    QLineEdit* CountEdit() const { return editCount; }
    QLineEdit* CursorEdit() const { return editCursor; }
    QPushButton* Button(const char* name) const;

private:
    QPushButton* AddButton(const char* name, const QString& caption, std::function<void(TRecordBrowser&)> operation);

    TRecordBrowser* browser = nullptr;
    QLineEdit* editCount = nullptr;
    QLineEdit* editCursor = nullptr;
};
