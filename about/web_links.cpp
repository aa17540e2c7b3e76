#include "about/web_links.h"

namespace qm {

std::string homePage() { return QUILLMOUNT_HOME_PAGE; }
std::string supportAddress() { return QUILLMOUNT_SUPPORT_ADDRESS; }

std::string webSiteText() {
    std::string text = homePage();
    for (const char* scheme : {"https://", "http://"})
        if (text.starts_with(scheme)) text.erase(0, std::char_traits<char>::length(scheme));
    if (text.ends_with('/')) text.pop_back();
    return text;
}

std::string supportMailUrl() { return "mailto:" + supportAddress() + "?subject=Information request"; }

std::string feedbackMailUrl() {
    return "mailto:" + supportAddress() +
           "?subject=Feedback (Quillmount)&Body=What%20do%20you%20use%20the%20program%20for?%20How%20does%20it%20"
           "help%20you?%0D%0A%0D%0AWhat%20do%20you%20consider%20to%20be%20the%20most%20interesting%20feature?";
}

}  // namespace qm
