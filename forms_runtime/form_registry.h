// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "forms_runtime/form.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>
#include <typeindex>
#include <unordered_map>

namespace forms {

// Every form exists at most once, reached by its type. Reaching a form that is not
// loaded loads it, hidden; unloading discards it, and the next access builds it afresh.
class FormRegistry : public QObject
{
    Q_OBJECT

public:
    FormRegistry();
    ~FormRegistry() override;
    FormRegistry(const FormRegistry&) = delete;
    FormRegistry& operator=(const FormRegistry&) = delete;

    static FormRegistry& current();

    template <class F> F& form()
    {
        if (auto* loaded = loadedForm<F>()) {
            return *loaded;
        }
        auto* created = new F();
        adopt(std::type_index(typeid(F)), OwnedForm(created));
        return *created;
    }

    template <class F> F* loadedForm() const
    {
        const auto found = m_forms.find(std::type_index(typeid(F)));
        return found == m_forms.end() ? nullptr : static_cast<F*>(found->second.get());
    }

    // Loads and shows the startup form; closing it by any means ends the program. Every
    // other form belongs to it, also those its Load shows.
    template <class F> F& startWith()
    {
        m_startupType = std::type_index(typeid(F));
        F& startup = form<F>();
        startup.showModeless();
        return startup;
    }

    // Safe from inside the form's own handlers: the form goes when control returns.
    void unload(Form& form);
    // Stops the program at once, with every form and no further events.
    void end();
    bool hasEnded() const { return m_ended; }

signals:
    void programEnded();

private:
    // A form may go while one of its own handlers runs, so it is deleted once control
    // has returned to the event loop, never on the spot.
    struct DeleteWhenIdle
    {
        void operator()(Form* form) const;
    };
    using OwnedForm = std::unique_ptr<Form, DeleteWhenIdle>;

    void adopt(std::type_index type, OwnedForm form);
    void discard(OwnedForm form);
    void onCloseRequested(Form* form);

    std::unordered_map<std::type_index, OwnedForm> m_forms;
    std::optional<std::type_index> m_startupType;
    QPointer<Form> m_startupForm;
    bool m_ended = false;
};

template <class F> F& form()
{
    return FormRegistry::current().form<F>();
}

// The form if it is loaded, else nullptr; never loads it.
template <class F> F* loadedForm()
{
    return FormRegistry::current().loadedForm<F>();
}

template <class F> void show()
{
    form<F>().showModeless();
}

template <class F> void hide()
{
    form<F>().hide();
}

inline void unload(Form& form)
{
    FormRegistry::current().unload(form);
}

inline void end()
{
    FormRegistry::current().end();
}

} // namespace forms
