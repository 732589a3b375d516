// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <utility>

#include "platform/Application.h"
#include "platform/ShellOpen.h"

namespace platform {

namespace {

constexpr QSize kViewerSize{560, 480};

QPointer<THelpViewer>& TheViewer() {
    static QPointer<THelpViewer> viewer;
    return viewer;
}

// A file that exists but cannot be opened (a folder, no read permission) is as missing as
// one that does not exist: the viewer would show an empty page otherwise.
bool Readable(const QString& path) {
    if (!QFileInfo(path).isFile()) return false;
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

LinkColorRule& TheLinkColorRule() {
    static LinkColorRule rule = nullptr;
    return rule;
}

QString MissingFileText(const QString& path) {
    return THelpViewer::tr(
               "<h2>Help is not available</h2><p>The help file <b>%1</b> is missing or "
               "cannot be read.</p><p>It belongs in the program's folder, beside the "
               "program itself.</p>")
        .arg(path.toHtmlEscaped());
}

}  // namespace

THelpViewer::THelpViewer(QString helpFile, QWidget* owner)
    : QWidget(owner, Qt::Window), helpFile_(std::move(helpFile)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Velloran Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kViewerSize);

    cmdContents = new QPushButton(tr("&Contents"), this);
    cmdBack = new QPushButton(tr("&Back"), this);
    cmdForward = new QPushButton(tr("&Forward"), this);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setAccessibleName(tr("Help text"));
    // Links are ours to route: inside the manual here, anything else to the desktop.
    Browser->setOpenLinks(false);
    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);
    ApplyLinkColor();

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdContents, cmdBack, cmdForward}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->addLayout(buttons);
    column->addWidget(Browser, 1);

    connect(cmdContents, &QPushButton::clicked, this, &THelpViewer::ShowContents);
    connect(cmdBack, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(cmdForward, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    // The browser's own Alt+Left and Alt+Right step through the history while it keeps the
    // keyboard focus, and a page restored so does not always come back where it was left.
    // The keys press the buttons instead, as Alt+B and Alt+F do.
    for (const auto& [key, button] :
         {std::pair{Qt::Key_Left, cmdBack}, std::pair{Qt::Key_Right, cmdForward}}) {
        connect(new QShortcut(QKeySequence(Qt::ALT | key), this), &QShortcut::activated, button, [button] {
            if (!button->isEnabled()) return;
            button->setFocus(Qt::ShortcutFocusReason);
            button->click();
        });
    }
    connect(Browser, &QTextBrowser::backwardAvailable, cmdBack, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, cmdForward, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::anchorClicked, this, &THelpViewer::LinkClicked);
}

void THelpViewer::ShowContents() {
    if (!Readable(helpFile_)) {
        showsMissingFile_ = true;
        Browser->clearHistory();
        Browser->setHtml(MissingFileText(helpFile_));
        return;
    }
    const bool wasMissing = showsMissingFile_;
    showsMissingFile_ = false;
    Browser->setSource(QUrl::fromLocalFile(helpFile_), QTextDocument::HtmlResource);
    // The browser keeps a page it already shows; after the message it must read the file.
    if (wasMissing) Browser->reload();
    Browser->setFocus();
}

bool THelpViewer::InsideManual(const QUrl& address) const {
    return address.isLocalFile() && QFileInfo(address.toLocalFile()) == QFileInfo(helpFile_);
}

void THelpViewer::LinkClicked(const QUrl& link) {
    const QUrl address = Browser->source().resolved(link);
    if (InsideManual(address)) {
        Browser->setSource(address, QTextDocument::HtmlResource);
    } else {
        RunReportingErrors([&] { ShellOpen(address); });
    }
}

void SetHelpLinkColorRule(LinkColorRule rule) { TheLinkColorRule() = rule; }

// The page sets its links' colour as it is read, so a theme changed meanwhile reads it again.
void THelpViewer::ApplyLinkColor() {
    const LinkColorRule rule = TheLinkColorRule();
    if (rule == nullptr) return;
    const QPalette& theme = Browser->palette();
    const QColor link =
        rule(theme.color(QPalette::Link), theme.color(QPalette::Base), theme.color(QPalette::Text));
    const QString sheet = QStringLiteral("a { color: %1; }").arg(link.name());
    if (Browser->document()->defaultStyleSheet() == sheet) return;
    Browser->document()->setDefaultStyleSheet(sheet);
    if (!Browser->source().isEmpty() && !showsMissingFile_) Browser->reload();
}

void THelpViewer::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) ApplyLinkColor();
}

void THelpViewer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

THelpViewer* ShowHelpContents(QWidget* owner, const std::string& helpFile) {
    QPointer<THelpViewer>& viewer = TheViewer();
    if (viewer.isNull()) {
        viewer = new THelpViewer(QString::fromStdString(helpFile), owner);
        // Over the window that asked for it, rather than wherever the desktop puts it.
        if (owner != nullptr) viewer->move(owner->frameGeometry().center() - viewer->rect().center());
    }
    viewer->ShowContents();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer.data();
}

THelpViewer* OpenHelpViewer() { return TheViewer().data(); }

}  // namespace platform
