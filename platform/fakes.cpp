#include "platform/fakes.h"

#include "platform/form.h"

namespace kviz {

void ScriptedDialogs::messageBox(const QString& text, const QString& title, MessageIcon icon) {
    const Open open(*this);
    DialogCall call;
    call.kind = DialogCall::Kind::Message;
    call.text = text;
    call.title = title;
    call.icon = icon;
    calls.push_back(call);
    if (whileOpen)
        whileOpen(call);
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultAnswer, QPoint topLeftTwips) {
    const Open open(*this);
    DialogCall call;
    call.kind = DialogCall::Kind::Input;
    call.text = prompt;
    call.title = title;
    call.defaultAnswer = defaultAnswer;
    call.position = topLeftTwips;
    if (!answers.empty()) {
        call.answer = answers.front();
        answers.pop_front();
    }
    calls.push_back(call);
    if (whileOpen)
        whileOpen(call);
    return call.answer;
}

void ScriptedDialogs::showModal(Form& form) {
    const Open open(*this);
    form.load();
    DialogCall call;
    call.kind = DialogCall::Kind::Modal;
    call.title = form.caption();
    calls.push_back(call);
    if (onModal)
        onModal(form);
    form.unload();
}

int ScriptedDialogs::count(DialogCall::Kind kind) const {
    int n = 0;
    for (const auto& c : calls)
        if (c.kind == kind)
            ++n;
    return n;
}

const DialogCall* ScriptedDialogs::last(DialogCall::Kind kind) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
        if (it->kind == kind)
            return &*it;
    return nullptr;
}

} // namespace kviz
