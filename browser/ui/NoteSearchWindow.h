#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace volmira::store {
class AirportStore;
}

namespace volmira::browser {

// "In Notizen suchen": a box, a category choice and the notes holding every
// word typed, updated as the user types: ICAO, airport name, category and the
// matching line with the words marked. Enter (the first hit when none is
// selected) or a double click asks for that airport's note; the arrow keys in
// the box move through the hits.
class NoteSearchWindow : public QDialog {
    Q_OBJECT
public:
    explicit NoteSearchWindow(store::AirportStore &store, QWidget *parent = nullptr);

    // Fills the category choice anew (categories change while it is closed)
    // and searches again.
    void reopen();

    QLineEdit *searchText;
    QComboBox *searchCategory;  // first entry: every category
    QTableWidget *hitList;
    QLabel *hitCount;

    // The most hits listed: a longer list helps nobody, and the window stays quick.
    static constexpr int kMaxShownHits = 100;

signals:
    void noteWanted(const QString &icao, const QString &category);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search();
    void choose(int row);

    store::AirportStore &store_;
};

}  // namespace volmira::browser
