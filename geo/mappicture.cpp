#include "mappicture.h"

#include "geocount.h"
#include "geolayout.h"
#include "screen.h"
#include "stationsettings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QListView>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QStringListModel>
#include <QStyle>

// The map pictures live in a static library, whose resources a linker may otherwise drop.
static void initMapResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(maps);
        return true;
    }();
    Q_UNUSED(done);
}

MapPicture::MapPicture(const QString& name, const QString& resource, QSize size, QWidget* parent)
    : QLabel(parent) {
    initMapResources();
    setObjectName(name);
    setPixmap(QPixmap(resource));
    // The "not worked" colour of the boxes laid over the map, which take it from here rather
    // than each from a palette of its own.
    setBackground(this, windowBackground());
    setAutoFillBackground(false);
    setFixedSize(size);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QLabel* addMapBox(MapPicture* picture, const QString& name, const QString& text, const QRect& rect,
                  bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    // The boxes of one map share a font: set on the map, it is theirs without a font each.
    if (picture->font() != font)
        picture->setFont(font);
    auto* box = new MapBox(text, picture);
    box->setObjectName(name);
    box->setGeometry(rect);
    box->setAlignment(Qt::AlignCenter);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    // Not worked: the colour the map gives its boxes.
    box->setAutoFillBackground(true);
    return box;
}

void MapBox::paintLabel(QPainter* painter) {
    drawFrame(painter);
    const int flags =
        QStyle::visualAlignment(layoutDirection(), alignment()) |
        (text().isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight);
    style()->drawItemText(painter, contentsRect(), flags, palette(), isEnabled(), text(),
                          foregroundRole());
}

namespace {

// What a box looks like: the same look gives the same picture.
struct BoxLook {
    QString text;
    QString family;
    qreal points;
    bool bold;
    QSize size;
    QRgb back, fore;
    qreal ratio;
    bool enabled;
    bool operator==(const BoxLook&) const = default;
};

size_t qHash(const BoxLook& l, size_t seed = 0) {
    return qHashMulti(seed, l.text, l.bold, l.size.width(), l.size.height(), l.back, l.fore);
}

} // namespace

void MapBox::paintEvent(QPaintEvent*) {
    // The pictures are held by the pixmap cache, which may drop them; only their handles are
    // kept here.
    static QHash<BoxLook, QPixmapCache::Key> pictures;
    const QPalette& colours = palette();
    const QFont& f = font();
    const BoxLook look{text(),
                       f.family(),
                       f.pointSizeF(),
                       f.bold(),
                       size(),
                       colours.color(backgroundRole()).rgba(),
                       colours.color(foregroundRole()).rgba(),
                       devicePixelRatioF(),
                       isEnabled()};
    QPixmap picture;
    const auto known = pictures.constFind(look);
    if (known == pictures.cend() || !QPixmapCache::find(*known, &picture)) {
        picture = QPixmap(size() * look.ratio);
        picture.setDevicePixelRatio(look.ratio);
        picture.fill(QColor::fromRgba(look.back));
        QPainter painter(&picture);
        painter.setFont(f);
        painter.setPen(QColor::fromRgba(look.fore));
        paintLabel(&painter);
        painter.end();
        pictures.insert(look, QPixmapCache::insert(picture));
    }
    QPainter(this).drawPixmap(0, 0, picture);
}

void setWorked(QWidget* box, bool worked) {
    const QColor colour = worked ? Colours::kWorked : windowBackground();
    // A box painted again in the colour it has would only be repainted for nothing.
    if (box->autoFillBackground() && background(box) == colour)
        return;
    setBackground(box, colour);
}

MapDot::MapDot(const QString& name, const QRect& rect, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setGeometry(rect);
}

void setWorked(MapDot* dot, bool worked) {
    setWorked(static_cast<QWidget*>(dot), worked);
    // The dot paints its own circle; the rest of its square shows the map.
    dot->setAutoFillBackground(false);
}

void MapDot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(background(this));
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void setUpScreen(QWidget* screen, const QString& caption) {
    screen->setWindowFlag(Qt::Window);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->setWindowTitle(caption);
}

QComboBox* makeChoiceBox(QWidget* parent, const QString& name, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

void selectChoice(QComboBox* box, const QString& text) {
    const int index = box->findText(text);
    box->setCurrentIndex(index);
    if (index < 0)
        box->setEditText(text);
}

void selectSavedChoices(QComboBox* band, QComboBox* mode) {
    const QString station = StationCallsign();
    selectChoice(mode, geo::savedModeChoice(StationSettings::modeIndex(station)));
    band->setCurrentIndex(geo::savedBandChoice(StationSettings::bandIndex(station)));
}

QListView* makeResultList(QWidget* parent, const QString& name, QStringListModel* model) {
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setModel(model);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setFont(fixedFont());
    return list;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

void labelField(QLabel* caption, QWidget* field) {
    caption->setBuddy(field);
    // Spoken without the blanks and the colon that only lay the caption out.
    QString name = caption->text().trimmed();
    if (name.endsWith(u':'))
        name = name.chopped(1).trimmed();
    field->setAccessibleName(name);
}

ContactedList buildContactedList(QWidget* screen, const QString& caption, const QStringList& bands,
                                 const QString& listName, QStringListModel* model) {
    setUpScreen(screen, caption);
    ContactedList c;
    c.bande = makeChoiceBox(screen, QStringLiteral("Bande_A"), bands);
    c.mode = makeChoiceBox(screen, QStringLiteral("Mode_AX"), geo::modeChoices());
    c.afficher = new QPushButton(QStringLiteral("Afficher"), screen);
    c.afficher->setObjectName(QStringLiteral("Afficher"));
    QListView* list = makeResultList(screen, listName, model);
    for (QWidget* w : {static_cast<QWidget*>(c.bande), static_cast<QWidget*>(c.mode),
                       static_cast<QWidget*>(list)})
        setBackground(w, Colours::kPassed);

    auto* grid = new QGridLayout(screen);
    grid->addWidget(makeLabel(screen, QStringLiteral("Titre"), caption), 0, 0, 1, 3,
                    Qt::AlignHCenter);
    QLabel* bandLabel = makeLabel(screen, QStringLiteral("Label_Bande"), QStringLiteral("Bande"));
    QLabel* modeLabel = makeLabel(screen, QStringLiteral("Label_Mode"), QStringLiteral("Mode"));
    labelField(bandLabel, c.bande);
    labelField(modeLabel, c.mode);
    grid->addWidget(bandLabel, 1, 0);
    grid->addWidget(modeLabel, 1, 1);
    grid->addWidget(c.bande, 2, 0);
    grid->addWidget(c.mode, 2, 1);
    grid->addWidget(c.afficher, 2, 2);
    grid->addWidget(list, 3, 0, 1, 3);
    list->setMinimumSize(320, 360);
    return c;
}

MapScreen buildMapScreen(QWidget* screen, const MapScreenTexts& t) {
    setUpScreen(screen, t.caption);
    MapScreen m;
    m.bande = makeChoiceBox(screen, t.bandName, geo::bandChoices());
    m.mode = makeChoiceBox(screen, t.modeName, geo::modeChoices());
    m.afficher = new QPushButton(QStringLiteral("Afficher"), screen);
    m.afficher->setObjectName(QStringLiteral("Afficher"));
    m.count = makeLabel(screen, t.countName, QString());
    m.count->setMinimumWidth(24);
    m.count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m.picture =
        new MapPicture(t.pictureName, QStringLiteral(":/maps/italie.png"), geo::kMapSize, screen);

    // The choices and the count stand beside the map, so the window stays lower than a laptop
    // screen while the map keeps its full size.
    QLabel* bandLabel = makeLabel(screen, QStringLiteral("Label_Bande"), t.bandLabel);
    QLabel* modeLabel = makeLabel(screen, QStringLiteral("Label_Mode"), t.modeLabel);
    labelField(bandLabel, m.bande);
    labelField(modeLabel, m.mode);
    auto* controls = new QGridLayout;
    controls->addWidget(bandLabel, 0, 0);
    controls->addWidget(m.bande, 0, 1, 1, 2);
    controls->addWidget(modeLabel, 1, 0);
    controls->addWidget(m.mode, 1, 1, 1, 2);
    controls->addWidget(m.afficher, 2, 1, 1, 2);
    controls->setRowMinimumHeight(3, 12);
    controls->addWidget(m.count, 4, 0);
    controls->addWidget(makeLabel(screen, QStringLiteral("Label_Contactees"), t.countedLabel), 4, 1,
                        1, 2);
    controls->addWidget(makeLabel(screen, QStringLiteral("Label_Sur"), t.outOfLabel), 5, 1, 1, 2);
    controls->setRowStretch(6, 1);

    auto* layout = new QHBoxLayout(screen);
    layout->addLayout(controls);
    layout->addWidget(m.picture, 0, Qt::AlignTop);
    return m;
}
