#include "platform/qt/HelpWindow.h"

#include <QApplication>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser(new QTextBrowser(this))
{
    setWindowTitle("Quarbel Help");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    browser->setOpenLinks(false);
    connect(browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        bool ok = false;
        int context = url.toString().toInt(&ok);
        if (ok)
            ShowContext(context);
        else
            ShowContents();
    });
    resize(560, 480);
}

void HelpWindow::AddPage(int context, const QString& title, const QString& html)
{
    pages.insert(context, {title, html});
}

QString HelpWindow::ContentsHtml() const
{
    QString html = "<h2>Quarbel Help</h2><p>A sound workshop: waves, factories, music and players.</p><ul>";
    for (auto it = pages.cbegin(); it != pages.cend(); ++it)
        html += QString("<li><a href=\"%1\">%2</a></li>").arg(it.key()).arg(it.value().title.toHtmlEscaped());
    html += "</ul>";
    return html;
}

void HelpWindow::ShowPage(const QString& title, const QString& html)
{
    currentTitle = title;
    browser->setHtml(html + "<p><a href=\"contents\">Contents</a></p>");
    // Help asked from a modal dialog belongs to that dialog: shown above it and
    // not blocked by it. A window manager learns the owner when the window is
    // shown, so a window shown for another owner is shown again.
    QWidget* modal = QApplication::activeModalWidget();
    QWindow* owner = modal && modal != this ? modal->windowHandle() : nullptr;
    winId();
    if (windowHandle()->transientParent() != owner) {
        if (isVisible())
            hide();
        windowHandle()->setTransientParent(owner);
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::ShowContents()
{
    ShowPage("Contents", ContentsHtml());
}

void HelpWindow::Search()
{
    ShowContents();
}

void HelpWindow::HelpOnHelp()
{
    ShowPage("Using Help", "<h2>Using Help</h2><p>Choose a topic from the contents; F1 in a dialog shows its own "
                           "topic.</p>");
}

void HelpWindow::ShowContext(int context)
{
    auto it = pages.constFind(context);
    if (it == pages.cend())
        ShowContents();
    else
        ShowPage(it->title, "<h2>" + it->title.toHtmlEscaped() + "</h2>" + it->html);
}
