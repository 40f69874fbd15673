#pragma once

#include <QTextEdit>

namespace volmira::browser {

// The note editor: Arial 10 pt, Tab types a tab, and a paste brings plain text
// only, in the format at the cursor, so that a note never holds what the
// toolbar cannot set.
class NoteEditor final : public QTextEdit {
public:
    explicit NoteEditor(QWidget *parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};

}  // namespace volmira::browser
