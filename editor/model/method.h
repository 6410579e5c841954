// A bound method: an object and one of its member functions, called through a
// plain function pointer. Two bound methods are equal when they name the same
// object and the same member function, so a handler can be removed from a
// chain or an event by binding it again.
#pragma once

#include <type_traits>
#include <utility>

namespace kau::editor {

template <typename Signature>
class Method;

template <typename R, typename... Args>
class Method<R(Args...)> {
 public:
  Method() = default;

  // Method<void(int)>::bind<&Editor::onLine>(editor)
  template <auto Member, typename C>
  static Method bind(C* object) {
    Method m;
    m.object_ = const_cast<void*>(static_cast<const void*>(object));
    m.thunk_ = &callMember<Member, C>;
    return m;
  }

  // A free function, for handlers that need no object.
  template <R (*Function)(Args...)>
  static Method bind() {
    Method m;
    m.thunk_ = &callFunction<Function>;
    return m;
  }

  explicit operator bool() const { return thunk_ != nullptr; }
  void* object() const { return object_; }

  R operator()(Args... args) const { return thunk_(object_, std::forward<Args>(args)...); }

  friend bool operator==(const Method& a, const Method& b) {
    return a.object_ == b.object_ && a.thunk_ == b.thunk_;
  }

 private:
  using Thunk = R (*)(void*, Args...);

  template <auto Member, typename C>
  static R callMember(void* object, Args... args) {
    return (static_cast<C*>(object)->*Member)(std::forward<Args>(args)...);
  }
  template <R (*Function)(Args...)>
  static R callFunction(void*, Args... args) {
    return Function(std::forward<Args>(args)...);
  }

  void* object_ = nullptr;
  Thunk thunk_ = nullptr;
};

namespace method_detail {
template <typename T>
struct MemberSignature;
template <typename C, typename R, typename... Args>
struct MemberSignature<R (C::*)(Args...)> { using type = R(Args...); };
template <typename C, typename R, typename... Args>
struct MemberSignature<R (C::*)(Args...) const> { using type = R(Args...); };
}  // namespace method_detail

// makeMethod<&Editor::onLine>(editor): the signature follows the member.
template <auto Member, typename C>
auto makeMethod(C* object) {
  using Signature = typename method_detail::MemberSignature<decltype(Member)>::type;
  return Method<Signature>::template bind<Member>(object);
}

}  // namespace kau::editor
