// Help menu and Feedback.
#include "about/about_box.h"
#include "about/web_links.h"
#include "app/main_window.h"

namespace qm {

void TfFrame::Webpage1Click() { prompts().openAddress(this, QString::fromStdString(homePage())); }
void TfFrame::About1Click() { prompts().exec(*aboutBox); }
void TfFrame::Feedback1Click() { prompts().openAddress(this, QString::fromStdString(feedbackMailUrl())); }

}  // namespace qm
