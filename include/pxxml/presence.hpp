/*
 * Header-only C++17 API over libpxpresence (pxxml/presence.h): results that
 * hold the value or the error, a text that releases itself, no exceptions.
 *
 *   auto next = pxxml::presence::apply(stored, diff);
 *   if (!next) log(next.error().name, next.error().line, next.error().message);
 *   else store(next.value().view());
 */
#ifndef PXXML_PRESENCE_HPP
#define PXXML_PRESENCE_HPP

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "pxxml/presence.h"

namespace pxxml {
namespace presence {

// A result text, released when it goes out of scope.
class Text {
 public:
  Text() noexcept : text_{nullptr, 0, PXP_KIND_PRESENCE} {}
  explicit Text(PxpText text) noexcept : text_(text) {}
  Text(Text&& other) noexcept : text_(other.text_) { other.text_ = PxpText{nullptr, 0, PXP_KIND_PRESENCE}; }
  Text& operator=(Text&& other) noexcept {
    if (this != &other) {
      pxpTextFree(&text_);
      text_ = other.text_;
      other.text_ = PxpText{nullptr, 0, PXP_KIND_PRESENCE};
    }
    return *this;
  }
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  ~Text() { pxpTextFree(&text_); }

  std::string_view view() const noexcept { return {text_.data ? text_.data : "", text_.length}; }
  std::string str() const { return std::string(view()); }
  PxpKind kind() const noexcept { return text_.kind; }
  bool isDiff() const noexcept { return text_.kind == PXP_KIND_DIFF; }

 private:
  PxpText text_;
};

// The value of a call, or its error.
template <typename T>
class Result {
 public:
  Result(T value) noexcept : value_(std::move(value)), error_{} {}
  Result(const PxpError& error) noexcept : value_{}, error_(error) {}

  explicit operator bool() const noexcept { return error_.status == PXP_OK; }
  bool ok() const noexcept { return error_.status == PXP_OK; }
  const T& value() const& noexcept { return value_; }
  T& value() & noexcept { return value_; }
  T&& value() && noexcept { return std::move(value_); }
  const PxpError& error() const noexcept { return error_; }
  int status() const noexcept { return error_.status; }

 private:
  T value_;
  PxpError error_;
};

// Limits: defaults, a context's, or explicit numbers.
struct Limits {
  RtContext* context = nullptr;
  std::size_t maxDocumentSize = 0;
  std::size_t maxDepth = 0;
  PxpOptions options() const noexcept { return PxpOptions{context, maxDocumentSize, maxDepth}; }
};

inline Result<Text> apply(std::string_view state, std::string_view diff, const Limits& limits = {}) {
  PxpOptions options = limits.options();
  PxpText out{};
  PxpError error{};
  if (pxpApply(state.data(), state.size(), diff.data(), diff.size(), &options, &out, &error) != PXP_OK) return error;
  return Text(out);
}

// version < 0: the old state's version + 1 when it has one.
inline Result<Text> generate(std::string_view oldState, std::string_view newState, long long version = -1,
                             const Limits& limits = {}) {
  PxpGenerateOptions options{limits.options(), version >= 0, static_cast<uint32_t>(version >= 0 ? version : 0)};
  PxpText out{};
  PxpError error{};
  if (pxpGenerate(oldState.data(), oldState.size(), newState.data(), newState.size(), &options, &out, &error) != PXP_OK) {
    return error;
  }
  return Text(out);
}

inline Result<Text> compose(const std::vector<std::string_view>& documents, const Limits& limits = {}) {
  std::vector<PxpInput> inputs;
  inputs.reserve(documents.size());
  for (std::string_view d : documents) inputs.push_back(PxpInput{d.data(), d.size()});
  PxpOptions options = limits.options();
  PxpText out{};
  PxpError error{};
  if (pxpCompose(inputs.data(), inputs.size(), &options, &out, &error) != PXP_OK) return error;
  return Text(out);
}

// Equality as namespace-aware trees; where they differ, `difference` (when
// given) names the first difference.
inline Result<bool> equalDocuments(std::string_view a, std::string_view b, std::string* difference = nullptr,
                                   const Limits& limits = {}) {
  PxpOptions options = limits.options();
  int equal = 0;
  PxpError error{};
  if (pxpCompare(a.data(), a.size(), b.data(), b.size(), &options, &equal, &error) != PXP_OK) return error;
  if (difference) *difference = error.message;
  return equal != 0;
}

}  // namespace presence
}  // namespace pxxml

#endif /* PXXML_PRESENCE_HPP */
