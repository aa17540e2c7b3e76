#pragma once
#include <string>

namespace qm {

// The product's addresses, set when the program is built.
std::string homePage();        // e.g. "https://quillmount.example/"
std::string supportAddress();  // e.g. "support@quillmount.example"
// The home page without its scheme and final slash, for the status bar.
std::string webSiteText();
// The mail the support link opens.
std::string supportMailUrl();
// The prepared feedback mail: subject and a two-line body of questions.
std::string feedbackMailUrl();

}  // namespace qm
