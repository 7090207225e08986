<script>
// Force Emailer: slides Zephrin's box #msg[data-zephrin], written by the body
// section, in from the left; it disappears 5 seconds later, or on Esc. The
// countdown pauses while the pointer is inside it and stops for good when the
// reader asks to keep it open or takes the keyboard into it. The script
// starts the box itself, from a listener beside the page's own load handlers;
// a page element that only shares the id is never touched. A box with a
// sign-up form posts it into its own hidden frame, thanks the reader, and is
// not shown again to a reader who signed up.
(function () {
  'use strict';
  var SHOWN_MS = 5000, THANKS_MS = 4000, MARGIN = 8, SIGNED_UP = 'signed-up';
  var box = null, left = 0, width = 0, focus = null, onKey = null, stopCountdown = null;
  var form = null, closer = null;

  // zephrin: box helpers

  var record = boxRecord('force-emailer');

  function findBox() {
    return document.querySelector('#msg[data-zephrin]');
  }

  // Keep the box inside the window's width, e.g. on a phone.
  function fit() {
    var room = document.documentElement.clientWidth - 2 * MARGIN;
    var w = Math.min(width, room);
    box.style.boxSizing = 'border-box';
    box.style.width = w + 'px';
    box.style.left = Math.max(MARGIN, Math.min(left, room + MARGIN - w)) + 'px';
  }

  function show() {
    box.setAttribute('role', 'dialog');
    if (!box.hasAttribute('aria-label')) box.setAttribute('aria-label', 'Subscribe');
    // The colour comes as bare hex digits, which only pages without a doctype accept.
    var colour = ruleValue('msg', 'background-color');
    if (/^[0-9a-f]{6}$/i.test(colour)) box.style.backgroundColor = '#' + colour;
    box.style.zIndex = '1000';
    left = box.offsetLeft;
    width = box.offsetWidth;
    fit();
    window.addEventListener('resize', fit);
    box.addEventListener('focusin', focus.note);
    window.addEventListener('keydown', onKey);
    if (closer) closer.addEventListener('click', closeClicked);
    box.style.visibility = 'visible';
    if (!matchMedia('(prefers-reduced-motion: reduce)').matches && box.animate) {
      var from = box.getBoundingClientRect().right + MARGIN;
      box.animate([{ transform: 'translateX(' + -from + 'px)' }, { transform: 'none' }],
                   { duration: 1000, easing: 'ease-out' });
    }
    stopCountdown = countdown(box, SHOWN_MS, hide);
    announce(record, box, 'show');
  }

  // The sign-up form's frame is named after the box's storage key, which the
  // display rules use too; their memory, where they have one, says when the
  // box may store. Storage may be missing or refuse: then the box remembers
  // nothing beyond this page view.
  function signedUp() {
    if (record.memory) return record.memory.recall() === SIGNED_UP;
    try { return localStorage.getItem(form.target) === SIGNED_UP; } catch (e) { return false; }
  }
  function rememberSignUp() {
    if (record.memory) return record.memory.remember(SIGNED_UP);
    try { localStorage.setItem(form.target, SIGNED_UP); } catch (e) {}
  }

  // A value in a sign-up form's off-screen field means a bot filled it in:
  // nothing is sent or told. Otherwise the post goes on, a sign-up form's
  // into the hidden frame, and the box shows its thank-you instead of the
  // form for a few seconds.
  function submitted(e) {
    var traps = form ? form.querySelectorAll('[aria-hidden] input') : [];
    for (var i = 0; i < traps.length; i++) {
      if (traps[i].value) return e.preventDefault();
    }
    announce(record, box, 'submit');
    if (!form) return;
    rememberSignUp();
    stopCountdown();
    if (box.contains(document.activeElement)) document.activeElement.blur();
    form.style.display = 'none';
    box.querySelector('[role=status] span').style.display = '';
    stopCountdown = countdown(box, THANKS_MS, hide);
  }

  function closeClicked() {
    hide('button');
  }

  // how: 'countdown', 'esc' or 'button', for the close event.
  function hide(how) {
    stopCountdown();
    focus.giveBack();
    window.removeEventListener('resize', fit);
    box.removeEventListener('focusin', focus.note);
    window.removeEventListener('keydown', onKey);
    box.style.visibility = 'hidden';
    if (closer) closer.removeEventListener('click', closeClicked);
    announce(record, box, 'close', how);
  }

  // The one place the box starts: once the page is parsed, or when a box
  // added later announces itself.
  function start() {
    if (box || !(box = findBox())) return;
    focus = focusReturn(box);
    onKey = escCloses(box, function () { hide('esc'); });
    box.addEventListener('submit', submitted);
    document.removeEventListener('DOMContentLoaded', start);
    window.removeEventListener('load', start);
    document.removeEventListener('zephrin-box', start);
    form = box.querySelector('form[target]');
    closer = box.querySelector('[data-close]');
    if (form && signedUp()) {
      box.style.visibility = 'hidden';
      return;
    }
    // Display rules, if the box has any, decide when it shows: in sight from
    // the start, it is hidden until then, and shown late it comes in where
    // the reader has scrolled to.
    if (!record.hold) return show();
    box.style.visibility = 'hidden';
    record.hold(function () {
      show();
      box.style.top = box.offsetTop + pageYOffset + 'px';
    });
  }

  document.addEventListener('zephrin-box', start);
  window.addEventListener('load', start);
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else setTimeout(start); // after the scripts that follow this one
})();
</script>
