#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace tavelin::web {

// Both sides hold UTF-16 code units, and embind copies them one to one (the
// build turns off TextDecoder, which would replace lone surrogates).
inline emscripten::val toJs(std::u16string_view text)
{
    return emscripten::val(std::u16string(text));
}

inline std::u16string fromJs(const emscripten::val &text)
{
    return text.as<std::u16string>();
}

inline emscripten::val document()
{
    return emscripten::val::global("document");
}

inline emscripten::val elementById(std::u16string_view id)
{
    return document().call<emscripten::val>("getElementById", toJs(id));
}

inline void setAttribute(const emscripten::val &element, const char *name, const emscripten::val &value)
{
    element.call<void>("setAttribute", emscripten::val(name), value);
}

// Calls a function of this program, bound under the name, on every such event.
inline void listen(const emscripten::val &target, const char *event, const char *boundFunction)
{
    target.call<void>("addEventListener", emscripten::val(event), emscripten::val::module_property(boundFunction));
}

} // namespace tavelin::web
