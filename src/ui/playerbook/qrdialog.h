#pragma once

#include "qr/qrcode.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

namespace wagecourt::ui {

// A shortlist's link as a QR code for a phone to read off the screen, with the
// link itself beside it to select; or, when the link is too long for a code,
// the link alone and a word that says so.
class QrDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QrDialog(QWidget *parent);

    void showLink(const QString &link, const QString &holds, const std::optional<qr::QrCode> &code);
    void retranslate();
    const QLabel *code() const { return m_code; }

private:
    QLabel *m_code;
    QLabel *m_words;
    QLineEdit *m_link;
    bool m_fits = false;
    QString m_holds;
};

} // namespace wagecourt::ui
