#include "shell/single_line_edit_box.h"

#include <QValidator>

#include "shell/screen_text.h"

namespace zerlith {

namespace {

class GbkOnlyValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        return screen_to_gbk(input).has_value() ? Acceptable : Invalid;
    }
};

}  // namespace

Text screen_to_gbk_or_question_marks(const QString& text) {
    if (std::optional<Text> whole = screen_to_gbk(text))
        return *whole;
    Text gbk;
    for (const char32_t code_point : text.toUcs4()) {
        const std::optional<Text> one = screen_to_gbk(QString::fromUcs4(&code_point, 1));
        gbk += one.value_or("?");
    }
    return gbk;
}

SingleLineEditBox::SingleLineEditBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new GbkOnlyValidator(this));
    // textEdited covers typing, deleting, pasting, cutting, undoing and redoing, and none of
    // the sets made through this class.
    connect(this, &QLineEdit::textEdited, this, &SingleLineEditBox::changed);
}

Text SingleLineEditBox::gbk_text() const {
    return screen_to_gbk_or_question_marks(text());
}

void SingleLineEditBox::set_gbk_text(const Text& text) {
    setText(gbk_to_screen(text));
    emit changed();
}

void SingleLineEditBox::append_gbk_text(const Text& text) {
    setText(this->text() + gbk_to_screen(text));
    end(false);
    emit changed();
}

}  // namespace zerlith
