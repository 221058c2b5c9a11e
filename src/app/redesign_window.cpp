#include "app/redesign_window.h"

#include "app/job_window.h"
#include "lifting/bands.h"
#include "lifting/multitask.h"
#include "widgets/dialogs.h"
#include "worksheet/form1.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace app {
namespace {

const QString kTitle = QStringLiteral("Redesign");

// The columns of an end's table.
constexpr std::array kColumns{"Multiplier", "From", "Index at 1.00", "1.00 takes"};

QString MassUnit(const Form1& sheet) {
    return sheet.units() == lifting::Units::UsCustomary ? QStringLiteral("lb")
                                                        : QStringLiteral("kg");
}

// Why there is nothing to show, or empty where there is.
QString WhyNoGuidance(const Form1& sheet) {
    if (lifting::CalculatedAsEntered(sheet))
        return {};
    return QStringLiteral("Press CALCULATE first: the guidance is worked out from the sheet's "
                          "results, and %1.")
        .arg(sheet.calculated() ? QStringLiteral("entries have changed since CALCULATE was last "
                                                 "pressed")
                                : QStringLiteral("CALCULATE has not been pressed yet"));
}

QString EndName(int end) {
    return end == 0 ? QStringLiteral("Origin") : QStringLiteral("Destination");
}

} // namespace

void ShowRedesign(JobWindow& job) {
    Form1& sheet = job.form();
    if (const QString why = WhyNoGuidance(sheet); !why.isEmpty()) {
        widgets::MsgBox(&sheet, why, kTitle);
        return;
    }
    auto* window = sheet.findChild<RedesignWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr)
        window = new RedesignWindow(job);
    window->Refresh();
    window->show();
    window->raise();
    window->activateWindow();
}

RedesignWindow::RedesignWindow(JobWindow& job)
    : QDialog(&job.form()), job_(job), stale_(new QLabel(this)), tabs_(new QTabWidget(this)),
      try_(new QPushButton(QStringLiteral("&Try this change"), this)) {
    setWindowTitle(kTitle);
    setAccessibleName(QStringLiteral("Redesign: what to change first"));
    auto* layout = new QVBoxLayout(this);
    stale_->setWordWrap(true);
    stale_->setAccessibleName(QStringLiteral("Why no guidance is shown"));
    layout->addWidget(stale_);
    for (int end = 0; end < 2; ++end) {
        auto* page = new QWidget;
        auto* column = new QVBoxLayout(page);
        Page& p = pages_[static_cast<std::size_t>(end)];
        p.summary = new QLabel;
        p.summary->setWordWrap(true);
        p.summary->setTextFormat(Qt::RichText);
        p.summary->setAccessibleName(EndName(end) + QStringLiteral(" index and limits"));
        p.table = new QTableWidget(0, static_cast<int>(kColumns.size()));
        p.table->setObjectName(end == 0 ? QStringLiteral("origin") : QStringLiteral("destination"));
        p.table->setAccessibleName(EndName(end) + QStringLiteral(" multipliers, smallest first"));
        QStringList headers;
        for (const char* header : kColumns)
            headers << QLatin1String(header);
        p.table->setHorizontalHeaderLabels(headers);
        p.table->verticalHeader()->hide();
        p.table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        p.table->setSelectionBehavior(QAbstractItemView::SelectRows);
        p.table->setSelectionMode(QAbstractItemView::SingleSelection);
        p.table->setTabKeyNavigation(false);
        for (int c = 0; c + 1 < static_cast<int>(kColumns.size()); ++c)
            p.table->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
        p.table->horizontalHeader()->setStretchLastSection(true);
        p.detail = new QLabel;
        p.detail->setWordWrap(true);
        p.detail->setAccessibleName(EndName(end) + QStringLiteral(" advice on the factor chosen"));
        column->addWidget(p.summary);
        column->addWidget(p.table, 1);
        column->addWidget(p.detail);
        tabs_->addTab(page, QLatin1Char('&') + EndName(end));
        connect(p.table, &QTableWidget::currentCellChanged, this, [this, end] { ShowFactor(end); });
    }
    tabs_->setAccessibleName(QStringLiteral("Ends of the lift"));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int end) { ShowFactor(end); });
    layout->addWidget(tabs_, 1);
    try_->setObjectName(QStringLiteral("try"));
    try_->setAccessibleDescription(
        QStringLiteral("Opens a copy of the job with the factor chosen at its ideal, as a new, "
                       "unsaved job; this sheet stays as it is"));
    connect(try_, &QPushButton::clicked, this, &RedesignWindow::TryChange);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->addButton(try_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    // The guidance follows each CALCULATE of the sheet.
    if (auto* calculate = job.form().findChild<QPushButton*>(QStringLiteral("Command1")))
        connect(calculate, &QPushButton::clicked, this, &RedesignWindow::Refresh);
    resize(640, 420);
    // Arrows choose a factor at once.
    pages_[0].table->setFocus();
}

void RedesignWindow::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Tab, and Ctrl+Shift+Tab, reach the tabs only from inside a page;
    // from the buttons, or an end without an index and so nothing in its
    // page to focus, they come here and go to the other end all the same.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && event->modifiers().testFlag(Qt::ControlModifier)) {
        tabs_->setCurrentIndex(1 - tabs_->currentIndex());
        return;
    }
    QDialog::keyPressEvent(event);
}

void RedesignWindow::changeEvent(QEvent* event) {
    // Entries made on the sheet meanwhile may have left its results behind.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Refresh();
    QDialog::changeEvent(event);
}

void RedesignWindow::Refresh() {
    const Form1& sheet = job_.form();
    advice_ = lifting::Redesign(sheet);
    stale_->setText(WhyNoGuidance(sheet));
    stale_->setVisible(!advice_);
    tabs_->setEnabled(advice_.has_value());
    if (!advice_) {
        try_->setEnabled(false);
        return;
    }
    for (std::size_t end = 0; end < 2; ++end)
        ShowEnd(pages_[end], (*advice_)[end]);
    ShowFactor(tabs_->currentIndex());
}

void RedesignWindow::ShowEnd(Page& page, const lifting::EndAdvice& end) {
    const QString mass = MassUnit(job_.form());
    const lifting::Band& band = lifting::BandOf(end.index);
    const QString swatch = QStringLiteral("<span style=\"color:rgb(%1,%2,%3)\">■</span> ")
                               .arg(band.color.red)
                               .arg(band.color.green)
                               .arg(band.color.blue);
    QString summary;
    if (!end.index) {
        summary = QStringLiteral("No lifting index: %1.").arg(end.whyNoIndex.toHtmlEscaped());
    } else {
        summary = QStringLiteral("Lifting index %1: %2.<br>Heaviest object for an index of 1.0: %3 "
                                 "%4.<br>Highest frequency of the FM table for an index of at most "
                                 "1.0: %5.")
                      .arg(lifting::IndexText(end.index), QLatin1String(band.name),
                           lifting::RwlText(end.heaviest), mass,
                           end.highestFrequency ? lifting::Format(*end.highestFrequency) +
                                                      QStringLiteral(" lifts/min")
                                                : QStringLiteral("none"));
    }
    page.summary->setText(swatch + summary);
    page.table->setVisible(end.index.has_value());
    page.detail->setVisible(end.index.has_value());
    page.table->setRowCount(static_cast<int>(end.factors.size()));
    for (int row = 0; row < page.table->rowCount(); ++row) {
        const lifting::FactorAdvice& f = end.factors[static_cast<std::size_t>(row)];
        const std::array texts{lifting::NameOf(f.factor) + QLatin1Char(' ') +
                                   lifting::MultiplierText(f.multiplier),
                               f.source, lifting::IndexText(f.indexIfIdeal), f.ideal};
        for (int column = 0; column < static_cast<int>(texts.size()); ++column)
            page.table->setItem(row, column,
                                new QTableWidgetItem(texts[static_cast<std::size_t>(column)]));
    }
    if (page.table->rowCount() > 0 && page.table->currentRow() < 0)
        page.table->setCurrentCell(0, 0);
}

const lifting::FactorAdvice* RedesignWindow::Chosen() const {
    if (!advice_)
        return nullptr;
    const int end = tabs_->currentIndex();
    const int row = pages_[static_cast<std::size_t>(end)].table->currentRow();
    const std::vector<lifting::FactorAdvice>& factors =
        (*advice_)[static_cast<std::size_t>(end)].factors;
    if (row < 0 || row >= static_cast<int>(factors.size()))
        return nullptr;
    return &factors[static_cast<std::size_t>(row)];
}

void RedesignWindow::ShowFactor(int end) {
    if (end != tabs_->currentIndex())
        return;
    const lifting::FactorAdvice* f = Chosen();
    try_->setEnabled(f != nullptr && f->change.has_value());
    if (f == nullptr)
        return;
    QStringList lines{f->advice};
    if (!f->shares.isEmpty())
        lines << f->shares;
    lines << (f->change
                  ? QStringLiteral("Try this change: %1 gives an index of %2.")
                        .arg(f->changeWords, lifting::IndexText(f->indexAfterChange))
                  : QStringLiteral("%1 is at its best already.").arg(lifting::NameOf(f->factor)));
    pages_[static_cast<std::size_t>(end)].detail->setText(lines.join(QLatin1Char('\n')));
}

void RedesignWindow::SelectEnd(lifting::End end) {
    tabs_->setCurrentIndex(static_cast<int>(end));
}

void RedesignWindow::TryChange() {
    const lifting::FactorAdvice* f = Chosen();
    if (f == nullptr || !f->change)
        return;
    // Owned by this job's window; a job of its own, so that this one and its
    // file stay as they are.
    auto* copy = new JobWindow;
    copy->setParent(&job_);
    copy->StartWhatIf(job_.details(), *f->change, f->changeWords);
    copy->form().move(job_.form().pos() + QPoint(32, 32));
    copy->form().show();
}

} // namespace app
