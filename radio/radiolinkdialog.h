#pragma once
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QThread;
struct RadioSettings;

// Station › "Liaison avec le poste": the radio model, its port and speed, the link on or off,
// and a test that reads the frequency once.
class RadioLinkDialog : public QWidget {
    Q_OBJECT
public:
    static inline const QString kNetworkCaption = QStringLiteral("rigctld en réseau");

    // `validated` runs once the new settings are kept.
    explicit RadioLinkDialog(std::function<void()> validated, QWidget* parent = nullptr);
    ~RadioLinkDialog() override;

    // True while a test is reading the radio.
    bool testing() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillModels(int current);
    int chosenModel() const;
    void filterModels(const QString& text);
    RadioSettings chosenSettings() const;
    void test();
    void validate();

    QLineEdit* m_filter = nullptr;
    QListView* m_list = nullptr;
    QStandardItemModel* m_models = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    QLineEdit* m_port = nullptr;
    QComboBox* m_speed = nullptr;
    QCheckBox* m_on = nullptr;
    QPushButton* m_test = nullptr;
    QLabel* m_result = nullptr;
    QThread* m_testThread = nullptr;
    std::function<void()> m_validated;
};
