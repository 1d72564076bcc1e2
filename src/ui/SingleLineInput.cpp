#include "SingleLineInput.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

namespace {

bool isLineBreakOrTab(QChar c) {
    return c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Accepts any text once it has been made single-line; the cursor keeps its place among the
// characters that stay.
class SingleLineValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        const QString kept = SingleLineText(input);
        if (kept != input) {
            pos = int(SingleLineText(input.left(pos)).size());
            input = kept;
        }
        return Acceptable;
    }
};

} // namespace

QString SingleLineText(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isLineBreakOrTab(c))
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            kept += c;
            kept += text[++i];
            continue;
        }
        if (c.isSurrogate())
            continue;
        kept += c;
    }
    return kept;
}

void KeepSingleLine(QLineEdit* box) {
    box->setValidator(new SingleLineValidator(box));
}

void KeepSingleLine(QComboBox* box) {
    Q_ASSERT(box->lineEdit());
    KeepSingleLine(box->lineEdit());
}
