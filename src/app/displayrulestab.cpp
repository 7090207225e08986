#include "app/displayrulestab.h"

#include "ui_displayrulestab.h"
#include "widgets/windowstyle.h"

DisplayRulesTab::DisplayRulesTab(QWidget *parent)
    : LazyPage(parent)
{
    setBuilder([this] { makeControls(); });
}

DisplayRulesTab::~DisplayRulesTab() = default;

Ui::DisplayRulesTab &DisplayRulesTab::controls()
{
    build();
    return *m_ui;
}

void DisplayRulesTab::makeControls()
{
    m_ui = std::make_unique<Ui::DisplayRulesTab>();
    m_ui->setupUi(this);
    for (const BoxLanguage &language : boxLanguages)
        m_ui->boxLanguage->addItem(QString::fromUtf8(language.name),
                                   QString::fromLatin1(language.code));
    connect(m_ui->startRule, &QComboBox::currentIndexChanged, this,
            &DisplayRulesTab::showRuleAmounts);
    connect(m_ui->showAgainRule, &QComboBox::currentIndexChanged, this,
            &DisplayRulesTab::showRuleAmounts);
    connect(m_ui->fromDay, &QCheckBox::toggled, m_ui->fromDate, &QWidget::setEnabled);
    connect(m_ui->untilDay, &QCheckBox::toggled, m_ui->untilDate, &QWidget::setEnabled);
    m_ui->fromDate->setDate(QDate::currentDate());
    m_ui->untilDate->setDate(QDate::currentDate());
    showRuleAmounts();

    for (QComboBox *rule : {m_ui->startRule, m_ui->showAgainRule, m_ui->storageRule,
                            m_ui->screensRule, m_ui->analytics})
        connect(rule, &QComboBox::currentIndexChanged, this, &DisplayRulesTab::changed);
    for (QSpinBox *amount : {m_ui->startAmount, m_ui->showAgainDays})
        connect(amount, &QSpinBox::valueChanged, this, &DisplayRulesTab::changed);
    for (QCheckBox *day : {m_ui->fromDay, m_ui->untilDay})
        connect(day, &QCheckBox::toggled, this, &DisplayRulesTab::changed);
    for (QDateEdit *day : {m_ui->fromDate, m_ui->untilDate})
        connect(day, &QDateEdit::dateChanged, this, &DisplayRulesTab::changed);
    // A language the user picks fills every text of the box, single ones too.
    connect(m_ui->boxLanguage, &QComboBox::activated, this, [this](int index) {
        m_boxTexts = BoxTexts();
        m_boxTexts.language = m_ui->boxLanguage->itemData(index).toString();
        Q_EMIT changed();
    });
    // The list holds the looks in the order of their enumeration.
    connect(m_ui->boxLook, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_look = Look(index);
        Q_EMIT changed();
    });
    prepareControls(this);
}

DisplayRules DisplayRulesTab::rules()
{
    const Ui::DisplayRulesTab &ui = controls();
    // The lists hold the rules in the order of their enumerations.
    DisplayRules rules;
    rules.start = DisplayRules::Start(ui.startRule->currentIndex());
    if (rules.start == DisplayRules::Start::AfterDelay
        || rules.start == DisplayRules::Start::AfterScroll)
        rules.startAmount = ui.startAmount->value();
    rules.showAgain = DisplayRules::ShowAgain(ui.showAgainRule->currentIndex());
    if (rules.showAgain == DisplayRules::ShowAgain::EveryNDays)
        rules.days = ui.showAgainDays->value();
    if (ui.fromDay->isChecked())
        rules.from = ui.fromDate->date();
    if (ui.untilDay->isChecked())
        rules.until = ui.untilDate->date();
    rules.screens = DisplayRules::Screens(ui.screensRule->currentIndex());
    rules.storage = DisplayRules::Storage(ui.storageRule->currentIndex());
    return rules;
}

void DisplayRulesTab::setRules(const DisplayRules &rules)
{
    const Ui::DisplayRulesTab &ui = controls();
    ui.startRule->setCurrentIndex(int(rules.start));
    ui.showAgainRule->setCurrentIndex(int(rules.showAgain));
    showRuleAmounts();
    if (rules.startAmount > 0)
        ui.startAmount->setValue(rules.startAmount);
    if (rules.days > 0)
        ui.showAgainDays->setValue(rules.days);
    ui.fromDay->setChecked(rules.from.isValid());
    if (rules.from.isValid())
        ui.fromDate->setDate(rules.from);
    ui.untilDay->setChecked(rules.until.isValid());
    if (rules.until.isValid())
        ui.untilDate->setDate(rules.until);
    ui.screensRule->setCurrentIndex(int(rules.screens));
    ui.storageRule->setCurrentIndex(int(rules.storage));
}

void DisplayRulesTab::setBoxTexts(const BoxTexts &texts)
{
    m_boxTexts = texts;
    QComboBox *language = controls().boxLanguage;
    language->setCurrentIndex(language->findData(texts.language));
}

Analytics DisplayRulesTab::analytics()
{
    // The list holds the choices in the order of the enumeration.
    return Analytics(controls().analytics->currentIndex());
}

void DisplayRulesTab::setAnalytics(Analytics analytics)
{
    controls().analytics->setCurrentIndex(int(analytics));
}

void DisplayRulesTab::setLook(Look look)
{
    controls().boxLook->setCurrentIndex(int(look));
}

void DisplayRulesTab::showRuleAmounts()
{
    // The rules take an amount only where it means something (it is never 0).
    const DisplayRules shown = rules();
    const bool scroll = shown.start == DisplayRules::Start::AfterScroll;
    m_ui->startAmount->setEnabled(shown.startAmount > 0);
    m_ui->startAmount->setMaximum(scroll ? maxScrollPercent : maxDelaySeconds);
    m_ui->startAmount->setSuffix(scroll ? tr(" %") : tr(" s"));
    m_ui->showAgainDays->setEnabled(shown.days > 0);
}
