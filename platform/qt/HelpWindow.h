#pragma once
#include "platform/HelpService.h"

#include <QMap>
#include <QString>
#include <QWidget>

class QTextBrowser;

// The program's own help window: a contents page and one page per context number.
class HelpWindow : public QWidget, public HelpService {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    void ShowContents() override;
    void Search() override;
    void HelpOnHelp() override;
    void ShowContext(int context) override;

    // Later parts register their pages under their context numbers.
    void AddPage(int context, const QString& title, const QString& html);
    QString CurrentTitle() const { return currentTitle; }

private:
    void ShowPage(const QString& title, const QString& html);
    QString ContentsHtml() const;

    struct Page {
        QString title;
        QString html;
    };
    QMap<int, Page> pages;
    QTextBrowser* browser;
    QString currentTitle;
};
