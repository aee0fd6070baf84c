#pragma once
// The password and author of a step table, seen and changed in one small
// dialog. For the step editor's user window OK takes the typed values after
// checking them; for its reference window the dialog only shows them.
//
// Both values are ASCII letters and digits only: the password at most 8
// characters, the author at most 16; either may be empty (an empty password
// means a file without one). Blanks around a value are dropped.

#include "datamodel/common/Enums.h"

#include <QDialog>
#include <QString>
#include <memory>

class QLineEdit;

namespace Sorvi27 {

class LibraryState;

class fInpPasword final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPasswordLength = 8;
    static constexpr int kAuthorLength = 16;

    explicit fInpPasword(QWidget* parent = nullptr);

    // The values shown when the dialog opens; after OK the accepted ones.
    const QString& Password() const { return password_; }
    void setPassword(const QString& password) { password_ = password; }
    const QString& Author() const { return author_; }
    void setAuthor(const QString& author) { author_ = author; }
    // eUSR lets OK take the values; eSTD only shows them.
    void setSTDUSR(Telva27::ENUM_USRSTD kind) { stdUsr_ = kind; }

    // Prepares the dialog from the values set above.
    void Form_Load();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BTN_Click(int index);
    bool ExactInput(const QString& password, const QString& author);
    bool ExactPassword(const QString& s);
    bool ExactAuthor(const QString& s);
    bool isAlphanumeric(const QString& s, int maxLength) const;

    std::shared_ptr<LibraryState> state_;
    QLineEdit* txtPassword_ = nullptr;
    QLineEdit* txtAuthor_ = nullptr;
    QString password_;
    QString author_;
    Telva27::ENUM_USRSTD stdUsr_ = Telva27::eUSR;
};

} // namespace Sorvi27
