#pragma once

#include "book/book.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace wagecourt {
struct LanguageEntry;
}

namespace wagecourt::ui {

// Two to four players side by side, one column each: their levels in their
// colours, the salary, the position, the salary at every position, and each
// one's difference from the first.
class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CompareDialog(QWidget *parent);

    void showComparison(const book::Comparison &comparison, const LanguageEntry &language);
    const QTableWidget *table() const { return m_table; }

private:
    QTableWidget *m_table;
    QPushButton *m_close = nullptr;
};

} // namespace wagecourt::ui
