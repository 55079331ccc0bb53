#pragma once
#include <QString>

class QPrinter;
class QWidget;

// Every message, question and printer choice goes through here, so that tests answer them.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void information(const QString& text);
    virtual bool question(const QString& text);
    virtual bool choosePrinter(QPrinter& printer);
    // The path of a file to open, chosen in the program directory; empty when none is chosen.
    virtual QString chooseFile(const QString& caption, const QString& filters);

    static Dialogs& instance();
    // Installs a replacement (not owned); nullptr restores the real boxes.
    static void setInstance(Dialogs* dialogs);
    static inline const QString kTitle = QStringLiteral("ZELK_DCI");
};

inline void showMessage(const QString& text) {
    Dialogs::instance().information(text);
}
inline bool askQuestion(const QString& text) {
    return Dialogs::instance().question(text);
}
