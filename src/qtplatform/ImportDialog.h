#pragma once

#include "platform/Platform.h"

#include <QDialog>

namespace zek::ui {

// "Wortliste importieren": what an import would do, before anything is
// written: the counts, the refused lines with their reasons, the new cards;
// "Importieren" (only when there is a new card) and "Abbrechen".
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ImportDialog(const ImportPreview &preview, QWidget *parent = nullptr);
};

} // namespace zek::ui
