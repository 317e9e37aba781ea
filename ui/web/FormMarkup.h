#pragma once

#include "HtmlElement.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavelin::web {

// The page's body as it stands once the form is loaded: the form with every
// control of the table, after Form_Load, then the message box and the live
// region. The page shows it before any of its code runs.
std::vector<HtmlElement> pageBody();

// The page shell with the body put in place of its "{{form}}" mark, and the
// form's width in CSS pixels in place of every "{{formWidth}}", which the
// style sheet's media queries compare with the viewport's.
std::string writePage(std::string_view shell);

} // namespace tavelin::web
