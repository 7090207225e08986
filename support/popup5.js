<script>
// Timer AD: shows Zephrin's box #sponsorAdDiv[data-zephrin], written by the
// body section, for a few seconds and then hides it; Esc hides it at once.
// The countdown pauses while the pointer or the keyboard focus is inside the
// box. The box may be written before or after this script runs. A page
// element that only shares the id is never touched.
(function () {
  'use strict';
  var SHOWN_MS = 6000, MARGIN = 8;
  var box = null, left = 0, width = 0, cameFrom = null, stopCountdown = null;

  function findBox() {
    return document.querySelector('#sponsorAdDiv[data-zephrin]');
  }

  function ruleValue(id, property) {
    var re = new RegExp('#' + id + '\\[data-zephrin\\]\\s*\\{(?:[^}]*[;\\s])?' + property +
                        '\\s*:\\s*([^;}]*)', 'i');
    var styles = document.getElementsByTagName('style');
    for (var i = styles.length - 1; i >= 0; i--) {
      var m = re.exec(styles[i].textContent);
      if (m) return m[1].trim();
    }
    return '';
  }

  // Calls done after ms of time with neither the pointer nor the focus inside
  // el; returns the function that stops the count.
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
      if (ms <= 0) done();
    }, 100);
    return function () { clearInterval(timer); };
  }

  // Of the Zephrin boxes on show, the one painted over the others.
  function topmostBox() {
    var all = document.querySelectorAll('[data-zephrin]'), top = null, topZ = 0;
    for (var i = 0; i < all.length; i++) {
      var cs = getComputedStyle(all[i]), z = parseInt(cs.zIndex, 10) || 0;
      if (cs.visibility === 'visible' && cs.display !== 'none' && (!top || z >= topZ)) {
        top = all[i];
        topZ = z;
      }
    }
    return top;
  }

  // Focus inside the closing box goes back where it came from, or on to the
  // page's next focusable element.
  function giveFocusBack() {
    if (!box.contains(document.activeElement)) return;
    var to = cameFrom && cameFrom.isConnected ? cameFrom : null;
    var all = document.querySelectorAll('a[href],button,input,select,textarea,[tabindex]');
    for (var i = 0; !to && i < all.length; i++) {
      if (!box.contains(all[i]) && all[i].tabIndex >= 0 && (box.compareDocumentPosition(all[i]) & 4)) to = all[i];
    }
    if (to) to.focus();
    else document.activeElement.blur();
  }

  function noteFocusFrom(e) {
    if (!box.contains(e.relatedTarget)) cameFrom = e.relatedTarget;
  }

  // Esc closes the topmost box only, and leaves a key the page has handled
  // or one meant for the page's own dialog alone.
  function onKey(e) {
    if (e.key !== 'Escape' || e.defaultPrevented || topmostBox() !== box ||
        (e.target.closest && e.target.closest('dialog'))) return;
    e.preventDefault();
    hide();
  }

  // Keep the box inside the window's width, e.g. on a phone.
  function fit() {
    var room = document.documentElement.clientWidth - 2 * MARGIN;
    var narrow = width > room;
    box.style.width = narrow ? room + 'px' : '';
    Array.prototype.forEach.call(box.getElementsByTagName('table'), function (t) {
      t.style.width = narrow ? '100%' : '';
    });
    box.style.left = Math.max(MARGIN, Math.min(left, room + MARGIN - Math.min(width, room))) + 'px';
  }

  function show() {
    box.setAttribute('role', 'dialog');
    if (!box.hasAttribute('aria-label')) box.setAttribute('aria-label', 'Sponsored announcement');
    // The style element writes height, top and left as bare numbers, which
    // only pages without a doctype accept.
    ['height', 'top', 'left'].forEach(function (property) {
      var value = ruleValue('sponsorAdDiv', property);
      if (/^-?\d+(\.\d+)?$/.test(value)) box.style.setProperty(property, value + 'px');
    });
    box.style.zIndex = '1000';
    left = box.offsetLeft;
    width = Math.max(box.offsetWidth, box.scrollWidth);
    fit();
    window.addEventListener('resize', fit);
    box.addEventListener('focusin', noteFocusFrom);
    window.addEventListener('keydown', onKey);
    box.style.visibility = 'visible';
    stopCountdown = countdown(box, SHOWN_MS, hide);
  }

  function hide() {
    stopCountdown();
    giveFocusBack();
    window.removeEventListener('resize', fit);
    box.removeEventListener('focusin', noteFocusFrom);
    window.removeEventListener('keydown', onKey);
    box.style.visibility = 'hidden';
  }

  // The one place the box starts: once the page is parsed, or when a box
  // added later announces itself.
  function start() {
    if (box || !(box = findBox())) return;
    document.removeEventListener('DOMContentLoaded', start);
    document.removeEventListener('zephrin-box', start);
    // Display rules on the page, if any, decide when the box shows; shown
    // late, it stands where the reader has scrolled to.
    if (!window.zephrinRules) return show();
    window.zephrinRules.hold(function () {
      show();
      box.style.top = box.offsetTop + pageYOffset + 'px';
    });
  }

  document.addEventListener('zephrin-box', start);
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
})();
</script>
