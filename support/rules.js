<script>
// Display rules: hands the box's support script, the script before this
// one, its hold(start), which starts the box once the rules allow. What the
// rules keep belongs to that one box. r.store says when they may write to the
// reader's device: when the box shows ('show', the default), when the reader
// closes it or subscribes ('close'), never ('none': once per page view), or
// once the site's consent tool allows it ('consent'; until then as 'none').
(function zephrinRules(r) {
  'use strict';
  var held = false, on = { passive: true }, store = r.store || 'show', given = null, owed = [];
  var klaroWatch = { update: settle }, consentEvents = ['zephrin:consent', 'cc:onConsent', 'cc:onChange'];

  // The site's consent for the box's memory: the last zephrin:consent event's
  // detail.granted, else CookieConsent's category "functionality", else
  // Klaro's service "zephrin".
  function consented() {
    if (given !== null) return given;
    try {
      var k = window.klaro && window.klaro.getManager && window.klaro.getManager();
      if (window.CookieConsent) return window.CookieConsent.acceptedCategory('functionality') === true;
      if (k) return k.confirmed === true && k.getConsent('zephrin') === true;
    } catch (e) {}
    return false;
  }

  // What the box remembers; null where storage is missing, refuses or is not
  // the box's to read.
  function recall(name) {
    if (store === 'none' || store === 'consent' && !consented()) return null;
    try { return window[name].getItem(r.key); } catch (e) { return null; }
  }
  // Writes what the box remembers now, once consent comes, or never.
  function write(name, value) {
    if (store === 'none') return;
    if (store === 'consent' && !consented()) return owed.push([name, value]);
    try { window[name].setItem(r.key, value); } catch (e) {}
  }
  function keep() {
    if (r.visit) write('sessionStorage', 1);
    if (r.days) write('localStorage', Date.now());
  }

  // 'consent': the writes owed, made once consent comes.
  function settle(e) {
    if (e && e.type === 'zephrin:consent') given = !!(e.detail && e.detail.granted);
    if (owed.length && consented()) {
      owed.splice(0).forEach(function (w) { write(w[0], w[1]); });
    }
  }
  function watchKlaro() {
    try { window.klaro.getManager().watch(klaroWatch); } catch (e) {}
  }
  if (store === 'consent') {
    consentEvents.forEach(function (name) { window.addEventListener(name, settle); });
    if (window.klaro) watchKlaro();
    else window.addEventListener('load', watchKlaro);
  }

  // 'close': the reader's own close or subscription, not the countdown's.
  function ended(e) {
    if (!e.detail || e.detail.key !== r.key || e.detail.how === 'countdown') return;
    document.removeEventListener('zephrin:close', ended);
    document.removeEventListener('zephrin:submit', ended);
    keep();
  }

  function due() {
    var d = new Date(), day = d.getFullYear() * 1e4 + d.getMonth() * 100 + 100 + d.getDate();
    var age = Date.now() - recall('localStorage');
    return !(day < r.from || day > r.until || r.visit && recall('sessionStorage') ||
             age >= 0 && age < r.days * 864e5);
  }

  function hold(start) {
    if (held) return;
    held = true;
    if (!due()) return;
    var events = r.start === 'scroll' ? ['scroll', 'resize'] : r.start === 'exit' ? ['mouseout'] : [];
    function go(e) {
      var page = document.documentElement;
      if (r.start === 'scroll' && pageYOffset + 1 < (page.scrollHeight - page.clientHeight) * r.amount / 100) return;
      if (e && e.type === 'mouseout' && (e.relatedTarget || e.clientY > 0)) return;
      if ('wide' in r && matchMedia('(min-width: 768px)').matches !== r.wide) return;
      events.forEach(function (name) { window.removeEventListener(name, go, on); });
      if (store === 'show' || store === 'consent') keep();
      if (store === 'close') {
        document.addEventListener('zephrin:close', ended);
        document.addEventListener('zephrin:submit', ended);
      }
      start();
    }
    events.forEach(function (name) { window.addEventListener(name, go, on); });
    if (r.start === 'delay') setTimeout(go, r.amount * 1000);
    else if (r.start !== 'exit') go();
  }

  // The box's support script, the nearest script before this one, takes it.
  // Its memory of a sign-up follows the same storage rule.
  var part = { key: r.key, language: r.language, hold: hold, memory: {
    recall: function () { return recall('localStorage'); },
    remember: function (value) { write('localStorage', value); }
  } };
  for (var s = document.currentScript; s && s.nodeName === 'SCRIPT' && !part.taken; s = s.previousElementSibling) {
    s.dispatchEvent(new CustomEvent('zephrin-part', { detail: part }));
  }
})(/*RULES*/);
</script>
