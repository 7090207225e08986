<script>
// Timer AD: shows the box #sponsorAdDiv, written by the body section, for a
// few seconds and then hides it. The countdown pauses while the pointer or the
// keyboard focus is inside the box. The box may be written before or after
// this script runs.
(function () {
  'use strict';
  var SHOWN_MS = 6000, MARGIN = 8;

  function whenReady(start) {
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
    else start();
  }

  function ruleValue(id, property) {
    var re = new RegExp('#' + id + '\\s*\\{(?:[^}]*[;\\s])?' + property + '\\s*:\\s*([^;}]*)', 'i');
    var styles = document.getElementsByTagName('style');
    for (var i = styles.length - 1; i >= 0; i--) {
      var m = re.exec(styles[i].textContent);
      if (m) return m[1].trim();
    }
    return '';
  }

  // Calls done after ms of time with neither the pointer nor the focus inside el.
  function countdown(el, ms, done) {
    var pointer = false, focus = false, last = Date.now();
    el.addEventListener('pointerenter', function () { pointer = true; });
    el.addEventListener('pointerleave', function () { pointer = false; });
    el.addEventListener('focusin', function () { focus = true; });
    el.addEventListener('focusout', function (e) { focus = el.contains(e.relatedTarget); });
    var timer = setInterval(function () {
      var now = Date.now();
      if (!pointer && !focus) ms -= now - last;
      last = now;
      if (ms <= 0) {
        clearInterval(timer);
        done();
      }
    }, 100);
  }

  function show() {
    var box = document.getElementById('sponsorAdDiv');
    if (!box) return;
    box.setAttribute('role', 'dialog');
    if (!box.hasAttribute('aria-label')) box.setAttribute('aria-label', 'Sponsored announcement');
    // The style element writes height, top and left as bare numbers, which
    // only pages without a doctype accept.
    ['height', 'top', 'left'].forEach(function (property) {
      var value = ruleValue('sponsorAdDiv', property);
      if (/^-?\d+(\.\d+)?$/.test(value)) box.style.setProperty(property, value + 'px');
    });
    var left = box.offsetLeft, width = Math.max(box.offsetWidth, box.scrollWidth);
    function fit() {
      var room = document.documentElement.clientWidth - 2 * MARGIN;
      var narrow = width > room;
      box.style.width = narrow ? room + 'px' : '';
      Array.prototype.forEach.call(box.getElementsByTagName('table'), function (t) {
        t.style.width = narrow ? '100%' : '';
      });
      box.style.left = Math.max(MARGIN, Math.min(left, room + MARGIN - Math.min(width, room))) + 'px';
    }
    fit();
    window.addEventListener('resize', fit);
    box.style.visibility = 'visible';
    countdown(box, SHOWN_MS, function () { box.style.visibility = 'hidden'; });
  }

  // Display rules on the page, if any, decide when the box starts; a box
  // started late shows where the reader has scrolled to.
  function start() {
    if (!window.zephrinRules) return show();
    window.zephrinRules.hold(function () {
      show();
      var el = document.getElementById('sponsorAdDiv');
      if (el) el.style.top = el.offsetTop + pageYOffset + 'px';
    });
  }
  whenReady(start);
})();
</script>
