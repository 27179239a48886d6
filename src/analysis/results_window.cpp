#include "analysis/results_window.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "graphs/graph_kinds.h"
#include "project/workspace.h"

namespace vesk {

ResultsWindow::ResultsWindow(Workspace& ws, const QString& caption, QWidget* owner) : QWidget(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    pages_ = new QTabWidget(this);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const char* names[] = {"Input", "Interaction", "Page 2", "Page 3", "Page 4", "Page 5", "Page 6"};
    for (size_t i = 0; i < ws.OutBuf.size(); ++i) {
        if (ws.OutBuf[i].empty()) continue;
        auto* text = new QPlainTextEdit(pages_);
        text->setReadOnly(true);
        text->setFont(fixed);
        text->setLineWrapMode(QPlainTextEdit::NoWrap);
        text->setPlainText(QString::fromStdString(ws.OutBuf[i]).remove('\r'));
        pages_->addTab(text, names[i]);
    }
    layout->addWidget(pages_, 1);

    auto* buttons = new QHBoxLayout;
    graphs_ = new QComboBox(this);
    for (const std::string& name : GraphKindNames) graphs_->addItem(QString::fromStdString(name));
    auto* graph = new QPushButton("&Graph", this);
    auto* close = new QPushButton("&Close", this);
    buttons->addWidget(graphs_, 1);
    buttons->addWidget(graph);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(graph, &QPushButton::clicked, this, [this] { emit graphRequested(graphs_->currentIndex()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(820, 640);
}

}  // namespace vesk
