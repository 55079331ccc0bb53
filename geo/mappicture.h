#pragma once
#include <QLabel>
#include <QString>

class QComboBox;
class QListView;
class QPushButton;
class QStringListModel;

// A map picture of fixed size with small controls laid over it at fixed positions.
class MapPicture : public QLabel {
public:
    MapPicture(const QString& name, const QString& resource, QSize size, QWidget* parent);
};

// A text box over a map. A map shows a hundred of them at each opening: the picture of a box is
// drawn once for each text, font, size and colours, and kept for the next.
class MapBox : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintLabel(QPainter* painter);
};

// A text box over a map, named `name`, in the "not worked" colour.
QLabel* addMapBox(MapPicture* picture, const QString& name, const QString& text, const QRect& rect,
                  bool bold);
// Paints a box or a dot worked or not worked.
void setWorked(QWidget* box, bool worked);

// A filled circle over a map; its colour is its background.
class MapDot : public QWidget {
public:
    MapDot(const QString& name, const QRect& rect, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
void setWorked(MapDot* dot, bool worked);

// The shared make-up of a geographic screen: a top-level window discarded when closed.
void setUpScreen(QWidget* screen, const QString& caption);
// An editable combo box of band or mode choices that never adds what is typed to its list.
QComboBox* makeChoiceBox(QWidget* parent, const QString& name, const QStringList& items);
// Selects `text` when it is a choice, otherwise shows it as typed text.
void selectChoice(QComboBox* box, const QString& text);
// The band and mode last used on Main by the station.
void selectSavedChoices(QComboBox* band, QComboBox* mode);
// A list of text lines in the fixed-pitch font.
QListView* makeResultList(QWidget* parent, const QString& name, QStringListModel* model);
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text);
// Makes `caption` the label of `field`, for the keyboard and for screen readers.
void labelField(QLabel* caption, QWidget* field);

// The make-up shared by the lists of provinces and regions worked: title, band and mode boxes,
// the button Afficher and the list, all light yellow.
struct ContactedList {
    QComboBox* bande;
    QComboBox* mode;
    QPushButton* afficher;
};
ContactedList buildContactedList(QWidget* screen, const QString& caption, const QStringList& bands,
                                 const QString& listName, QStringListModel* model);

// The make-up shared by the two maps of Italy: band and mode boxes with their labels, the button
// Afficher, the count with its two labels, and the map picture below them.
struct MapScreenTexts {
    QString caption;
    QString bandName, modeName;   // objectNames of the two boxes
    QString bandLabel, modeLabel; // their labels, blanks included
    QString countName, countedLabel, outOfLabel;
    QString pictureName;
};
struct MapScreen {
    QComboBox* bande;
    QComboBox* mode;
    QPushButton* afficher;
    QLabel* count;
    MapPicture* picture;
};
MapScreen buildMapScreen(QWidget* screen, const MapScreenTexts& texts);
