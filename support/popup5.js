<script>
// Timer AD: shows Zephrin's box #sponsorAdDiv[data-zephrin], written by the
// body section, for a few seconds and then hides it; Esc hides it at once.
// The countdown pauses while the pointer is inside the box and stops for good
// when the reader asks to keep it open or takes the keyboard into it. The box
// may be written before or after this script runs. A page element that only
// shares the id is never touched.
(function () {
  'use strict';
  var SHOWN_MS = 6000, MARGIN = 8;
  var box = null, left = 0, width = 0, focus = null, onKey = null, stopCountdown = null;

  // zephrin: box helpers

  var record = boxRecord('timer-ad');

  function findBox() {
    return document.querySelector('#sponsorAdDiv[data-zephrin]');
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
    box.addEventListener('focusin', focus.note);
    window.addEventListener('keydown', onKey);
    box.style.visibility = 'visible';
    // The controls go into the cell that holds the text, on the box's colour.
    stopCountdown = countdown(box, SHOWN_MS, hide, box.querySelector('td td'));
    announce(record, box, 'show');
  }

  // how: 'countdown', 'button' or 'esc', for the close event.
  function hide(how) {
    stopCountdown();
    focus.giveBack();
    window.removeEventListener('resize', fit);
    box.removeEventListener('focusin', focus.note);
    window.removeEventListener('keydown', onKey);
    box.style.visibility = 'hidden';
    announce(record, box, 'close', how);
  }

  // The one place the box starts: once the page is parsed, or when a box
  // added later announces itself.
  function start() {
    if (box || !(box = findBox())) return;
    focus = focusReturn(box);
    onKey = escCloses(box, function () { hide('esc'); });
    document.removeEventListener('DOMContentLoaded', start);
    document.removeEventListener('zephrin-box', start);
    // Display rules, if the box has any, decide when it shows; shown late, it
    // stands where the reader has scrolled to.
    if (!record.hold) return show();
    record.hold(function () {
      show();
      box.style.top = box.offsetTop + pageYOffset + 'px';
    });
  }

  document.addEventListener('zephrin-box', start);
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else setTimeout(start); // after the scripts that follow this one
})();
</script>
