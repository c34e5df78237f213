#pragma once
// frmYears: the years side by side for the report window's categories (all
// categories when none is chosen): a bar group of income and expense per
// year with the balance as a line, and the table of every year and category.
#include "charts/ui/ChartWindow.h"
#include "years/YearsTable.h"

namespace tessamo {

class frmYears : public ChartWindow {
    Q_OBJECT
public:
    frmYears(const SharedState& state, const YearsTable& table);
};

}  // namespace tessamo
