#include "ui/core/types/CDelegateList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/core/types/CDelegate.h"

using SkinUI::CDelegate;
using SkinUI::CDelegateList;

namespace {

// A handler whose answer is fixed and whose calls are recorded in a shared log.
class Handler {
 public:
  Handler(std::string name, bool answer, std::vector<std::string>* log) : m_name(std::move(name)), m_answer(answer), m_log(log) {}
  bool OnEvent(void* param) {
    m_log->push_back(m_name + ":" + (param != nullptr ? static_cast<const char*>(param) : "null"));
    return m_answer;
  }
  bool OnOther(void*) {
    m_log->push_back(m_name + ":other");
    return true;
  }

 private:
  std::string m_name;
  bool m_answer;
  std::vector<std::string>* m_log;
};

class DerivedHandler : public Handler {
 public:
  using Handler::Handler;
};

typedef CDelegate<Handler, Handler> HandlerDelegate;

TEST(CDelegateListInvoke, StopsAtTheFirstFalse) {
  struct Case {
    std::vector<bool> answers;
    bool result;
    size_t calls;
  } cases[] = {
      {{}, true, 0}, {{true}, true, 1}, {{true, true, true}, true, 3}, {{false, true}, false, 1}, {{true, false, true}, false, 2},
  };
  for (const Case& c : cases) {
    std::vector<std::string> log;
    std::vector<std::unique_ptr<Handler>> handlers;
    CDelegateList list;
    for (size_t i = 0; i < c.answers.size(); ++i) {
      handlers.push_back(std::make_unique<Handler>("h" + std::to_string(i), c.answers[i], &log));
      ASSERT_TRUE(list.Add(HandlerDelegate(handlers.back().get(), &Handler::OnEvent)));
    }
    char param[] = "p";
    EXPECT_EQ(c.result, list.Invoke(param));
    ASSERT_EQ(c.calls, log.size());
    for (size_t i = 0; i < log.size(); ++i) EXPECT_EQ("h" + std::to_string(i) + ":p", log[i]);  // list order
    EXPECT_EQ(!c.answers.empty(), list.IsSet());
  }
}

TEST(CDelegateListAdd, KeepsOneCopyOfEqualDelegates) {
  std::vector<std::string> log;
  Handler first("first", true, &log);
  Handler second("second", true, &log);
  CDelegateList list;
  EXPECT_TRUE(list.Add(HandlerDelegate(&first, &Handler::OnEvent)));
  EXPECT_TRUE(list.Add(HandlerDelegate(&first, &Handler::OnEvent)));   // same object, same function
  EXPECT_TRUE(list.Add(HandlerDelegate(&first, &Handler::OnOther)));   // same object, other function
  EXPECT_TRUE(list.Add(HandlerDelegate(&second, &Handler::OnEvent)));  // other object
  list.Invoke(nullptr);
  const std::vector<std::string> expected{"first:null", "first:other", "second:null"};
  EXPECT_EQ(expected, log);
}

TEST(CDelegateListAdd, OwnsItsCopiesOfTemporaryDelegates) {
  std::vector<std::string> log;
  DerivedHandler handler("derived", false, &log);
  CDelegateList list;
  {
    CDelegate<DerivedHandler, Handler> temporary(&handler, &Handler::OnEvent);
    list.Add(temporary);
  }
  char param[] = "x";
  EXPECT_FALSE(list.Invoke(param));
  const std::vector<std::string> expected{"derived:x"};
  EXPECT_EQ(expected, log);
}

TEST(CDelegateBaseIdentity, EqualsCloneAndCall) {
  std::vector<std::string> log;
  Handler a("a", true, &log);
  Handler b("b", false, &log);
  const HandlerDelegate d(&a, &Handler::OnEvent);
  std::unique_ptr<SkinUI::CDelegateBase> clone(d.Clone());
  EXPECT_TRUE(clone->Equals(d));
  EXPECT_FALSE(HandlerDelegate(&b, &Handler::OnEvent).Equals(d));
  EXPECT_FALSE(HandlerDelegate(&a, &Handler::OnOther).Equals(d));
  EXPECT_TRUE(clone->Call(nullptr));
  EXPECT_FALSE(HandlerDelegate(&b, &Handler::OnEvent).Call(nullptr));
  const std::vector<std::string> expected{"a:null", "b:null"};
  EXPECT_EQ(expected, log);
}

}  // namespace
