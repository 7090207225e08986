<script>
// Display rules: hands the box's support script, the script before this
// one, its hold(start), which starts the box once the rules allow. What the
// rules keep belongs to that one box.
(function zephrinRules(r) {
  'use strict';
  var held = false, on = { passive: true };

  // What the rules remember; null where storage is missing or refuses.
  function recall(name) {
    try { return window[name].getItem(r.key); } catch (e) { return null; }
  }
  function remember(name, value) {
    try { window[name].setItem(r.key, value); } catch (e) {}
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
      if (r.visit) remember('sessionStorage', 1);
      if (r.days) remember('localStorage', Date.now());
      start();
    }
    events.forEach(function (name) { window.addEventListener(name, go, on); });
    if (r.start === 'delay') setTimeout(go, r.amount * 1000);
    else if (r.start !== 'exit') go();
  }

  // The box's support script, the nearest script before this one, takes it.
  var part = { key: r.key, language: r.language, hold: hold };
  for (var s = document.currentScript; s && s.nodeName === 'SCRIPT' && !part.taken; s = s.previousElementSibling) {
    s.dispatchEvent(new CustomEvent('zephrin-part', { detail: part }));
  }
})(/*RULES*/);
</script>
