#pragma once

#include "lifting/multitask.h"
#include "lifting/redesign.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace app {

class JobWindow;

// Opens the "Redesign" window of the job window's sheet, or raises it; until
// the sheet is calculated as entered, a message over the sheet says to press
// CALCULATE first instead.
void ShowRedesign(JobWindow& job);

// What to change first, for each end of the sheet: the multipliers smallest
// first, what each would give at 1.00 and what that takes. It reads the
// sheet and never changes it; "Try this change" opens a what-if copy of the
// job as a new, unsaved job in a worksheet of its own.
class RedesignWindow : public QDialog {
    Q_OBJECT

  public:
    explicit RedesignWindow(JobWindow& job);

    // Reads the sheet again; where it is not calculated as entered, says so
    // instead.
    void Refresh();
    // Opens the change of the factor chosen on the end shown.
    void TryChange();
    // Shows the end's guidance.
    void SelectEnd(lifting::End end);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Page {
        QLabel* summary;
        QTableWidget* table;
        QLabel* detail;
    };
    void ShowEnd(Page& page, const lifting::EndAdvice& end);
    void ShowFactor(int end);
    const lifting::FactorAdvice* Chosen() const;

    JobWindow& job_;
    std::optional<std::array<lifting::EndAdvice, 2>> advice_;
    QLabel* stale_;
    QTabWidget* tabs_;
    std::array<Page, 2> pages_{};
    QPushButton* try_;
};

} // namespace app
