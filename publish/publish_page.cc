#include "publish/publish_page.h"

#include "model/class_list.h"
#include "model/options.h"
#include "platform/output.h"
#include "publish/page_template.h"

PublishPage::PublishPage(ClassList& classes, const Options& options, Output& out)
    : PublishJson(classes, options, out) {
  target_ = JsonTarget::ScriptElement;
}

bool PublishPage::publish() {
  out_ << PageBeforeView;
  // The page's settings: its title (the first -L) and the base path the
  // file names are shown relative to, as the text tree shows it.
  out_ << "{\"title\":";
  writeJsonString(out_, titleAt(0, "Class hierarchy"), target_);
  out_ << ",\"basePath\":";
  writeJsonString(out_, commonFilePrefix(classes_), target_);
  // --packages opens the page grouped by package.
  if (options_.packages) out_ << ",\"packages\":true";
  out_ << '}';
  out_ << PageBeforeData;
  printTree();
  out_ << PageAfterData;
  return true;
}
