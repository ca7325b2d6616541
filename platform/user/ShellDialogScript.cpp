#include "platform/user/ShellDialogScript.h"

namespace platform::user {

ShellDialogScript& ShellDialogScript::Instance() {
  static auto* script = new ShellDialogScript;  // outlives static destructors
  return *script;
}

bool ShellDialogScript::Active() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return active_;
}

void ShellDialogScript::SetActive(bool active) {
  std::lock_guard<std::mutex> lock(mutex_);
  active_ = active;
}

void ShellDialogScript::Reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  folderAnswers_.clear();
  openFileAnswers_.clear();
  folderCalls_.clear();
  openFileCalls_.clear();
}

void ShellDialogScript::QueueFolder(FolderAnswer answer) {
  std::lock_guard<std::mutex> lock(mutex_);
  folderAnswers_.push_back(std::move(answer));
}

void ShellDialogScript::QueueOpenFile(OpenFileAnswer answer) {
  std::lock_guard<std::mutex> lock(mutex_);
  openFileAnswers_.push_back(std::move(answer));
}

FolderAnswer ShellDialogScript::AnswerFolder(const FolderChooserCall& call) {
  std::lock_guard<std::mutex> lock(mutex_);
  folderCalls_.push_back(call);
  if (folderAnswers_.empty()) return FolderAnswer{};
  FolderAnswer answer = std::move(folderAnswers_.front());
  folderAnswers_.pop_front();
  return answer;
}

OpenFileAnswer ShellDialogScript::AnswerOpenFile(const OpenFileCall& call) {
  std::lock_guard<std::mutex> lock(mutex_);
  openFileCalls_.push_back(call);
  if (openFileAnswers_.empty()) return OpenFileAnswer{};
  OpenFileAnswer answer = std::move(openFileAnswers_.front());
  openFileAnswers_.pop_front();
  return answer;
}

std::vector<FolderChooserCall> ShellDialogScript::FolderCalls() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return folderCalls_;
}

std::vector<OpenFileCall> ShellDialogScript::OpenFileCalls() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return openFileCalls_;
}

}  // namespace platform::user
