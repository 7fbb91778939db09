// The answers in force: one set for the whole program, as modal dialogs run one at a time
// on the window thread.
#include "app/qt/ModalAnswers.h"

namespace morvane::qt {
namespace {

ModalAnswers* answersInForce = nullptr;

}  // namespace

ModalAnswers* modalAnswers() { return answersInForce; }

AnsweringModals::AnsweringModals(ModalAnswers& answers) { answersInForce = &answers; }

AnsweringModals::~AnsweringModals() { answersInForce = nullptr; }

}  // namespace morvane::qt
