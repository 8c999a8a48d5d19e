#pragma once
// Answers the modal windows a widget test makes its dialogs open (message
// boxes, nested dialogs), so that no test ever waits for a user: a timer
// looks at QApplication::activeModalWidget() every few milliseconds. When the
// expected window never comes, whatever is modal is closed after the time-out
// and the test sees `timedOut`.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace modal
{

struct Outcome {
    bool answered = false;
    bool timedOut = false;
};

// Runs `answer` once, on the first modal widget of type T that is not `except`.
template <typename T>
std::shared_ptr<Outcome> AnswerNext(std::function<void(T*)> answer, QWidget* except = nullptr, int timeoutMs = 8000)
{
    auto outcome = std::make_shared<Outcome>();
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QPointer<QWidget> skip(except);
    QObject::connect(timer, &QTimer::timeout, [=]() {
        QWidget* modalWidget = QApplication::activeModalWidget();
        T* typed = qobject_cast<T*>(modalWidget);
        if (typed && modalWidget != skip.data()) {
            timer->stop();
            timer->deleteLater();
            outcome->answered = true;
            answer(typed);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            outcome->timedOut = true;
            if (auto* dialog = qobject_cast<QDialog*>(modalWidget); dialog && modalWidget != skip.data())
                dialog->reject();
        }
    });
    timer->start(5);
    return outcome;
}

// What a message box said.
struct Box {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasParent = false;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Answers every message box that turns up while it lives, clicking `button`,
// and keeps what each one said.
class BoxWatcher
{
public:
    explicit BoxWatcher(QMessageBox::StandardButton button = QMessageBox::Ok) : m_timer(new QTimer(qApp))
    {
        QObject::connect(m_timer, &QTimer::timeout, [this, button]() {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || box == m_last)
                return;
            m_last = box;
            Box seen;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.hasParent = box->parentWidget() != nullptr;
            seen.buttons = box->standardButtons();
            seen.defaultButton =
                box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton;
            m_boxes.push_back(seen);
            QAbstractButton* answer = box->button(button);
            if (answer)
                answer->click();
            else
                box->reject();
        });
        m_timer->start(5);
    }
    ~BoxWatcher() { delete m_timer; }
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    const std::vector<Box>& Boxes() const { return m_boxes; }

private:
    QTimer* m_timer;
    QPointer<QMessageBox> m_last;
    std::vector<Box> m_boxes;
};

} // namespace modal
