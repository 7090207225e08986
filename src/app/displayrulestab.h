#pragma once

#include "generator/analytics.h"
#include "generator/boxtexts.h"
#include "generator/displayrules.h"
#include "generator/look.h"
#include "widgets/lazypage.h"

#include <memory>

namespace Ui {
class DisplayRulesTab;
}

// The Display rules tab: when the box starts, how often one reader sees it,
// when that may be stored, on which days and screens, the language of its
// texts, its look and the site's analytics that hears of it. Its controls are
// made the first time the tab is shown or its rules are asked for or set, so
// a start-up that never shows the tab does not pay for them.
class DisplayRulesTab : public LazyPage
{
    Q_OBJECT
public:
    explicit DisplayRulesTab(QWidget *parent = nullptr);
    ~DisplayRulesTab() override;

    // The rules the controls show; made here if not yet.
    DisplayRules rules();
    void setRules(const DisplayRules &rules);
    // The box's texts: the language chosen, and single texts a design gave.
    BoxTexts boxTexts() const { return m_boxTexts; }
    void setBoxTexts(const BoxTexts &texts);
    Look look() const { return m_look; }
    void setLook(Look look);
    // The site's analytics the box's events go to.
    Analytics analytics();
    void setAnalytics(Analytics analytics);

Q_SIGNALS:
    // A rule, the box's language, its look or the analytics changed, by the
    // user or by a setter.
    void changed();

private:
    // The controls, made the first time they are needed.
    Ui::DisplayRulesTab &controls();
    void makeControls();
    // Enables and labels the amounts that go with the chosen rules.
    void showRuleAmounts();

    std::unique_ptr<Ui::DisplayRulesTab> m_ui; // null until the controls are made
    BoxTexts m_boxTexts;
    Look m_look = Look::Classic;
};
