// The printer offset dialog "Printer Offset" (form dlgPrintSet): the check's
// vertical and horizontal offsets, "&Apply", "&Cancel" and "Print Check".
#pragma once

#include <QDialog>

#include "gui/view.h"

namespace qv {
class DlgPrintSet;
}

namespace qv::gui {

class PrintOffsetView : public QDialog, public View {
public:
    PrintOffsetView(Desktop& desktop, DlgPrintSet& form);
};

}  // namespace qv::gui
