  // The helpers every box script shares. Each popupN.js carries its own copy:
  // its marker line stands for this text, put in its place when the program is
  // built, so every installed script is complete as it stands.

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

  // Whether the key event e is an Esc left to the boxes: one the page has not
  // handled, nor meant for the page's own dialog.
  function escForBoxes(e) {
    return e.key === 'Escape' && !e.defaultPrevented && !(e.target.closest && e.target.closest('dialog'));
  }

  // The keydown listener with which Esc calls close when box is the topmost box.
  function escCloses(box, close) {
    return function (e) {
      if (!escForBoxes(e) || topmostBox() !== box) return;
      e.preventDefault();
      close();
    };
  }

  // Follows where the focus came into box from (note, a focusin listener);
  // giveBack() sends focus inside the closing box back there, or on to the
  // page's next focusable element.
  function focusReturn(box) {
    var cameFrom = null;
    return {
      note: function (e) {
        if (!box.contains(e.relatedTarget)) cameFrom = e.relatedTarget;
      },
      giveBack: function () {
        if (!box.contains(document.activeElement)) return;
        var to = cameFrom && cameFrom.isConnected ? cameFrom : null;
        var all = document.querySelectorAll('a[href],button,input,select,textarea,[tabindex]');
        for (var i = 0; !to && i < all.length; i++) {
          if (!box.contains(all[i]) && all[i].tabIndex >= 0 && (box.compareDocumentPosition(all[i]) & 4)) to = all[i];
        }
        if (to) to.focus();
        else document.activeElement.blur();
      }
    };
  }

  // The value the style element's rule for #id[data-zephrin] gives property,
  // as written there; '' when it gives none.
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

  // The box's text for name in the site's language: the body section writes it
  // as the box's data-NAME attribute for languages other than English.
  function boxText(box, name, english) {
    return box.getAttribute('data-' + name) || english;
  }

  // A button of the box's own in the box's text colour and font, at least 24
  // px square for fingers too.
  function boxButton(text, action) {
    var b = document.createElement('button');
    b.type = 'button';
    b.textContent = text;
    b.style.cssText = 'min-width:24px;min-height:24px;margin:4px 4px 0 0;padding:2px 8px;' +
      'font:inherit;color:inherit;background:transparent;border:1px solid;border-radius:4px;cursor:pointer;';
    b.addEventListener('click', action);
    return b;
  }

  // Calls done('countdown') after ms of time with the pointer outside box;
  // returns the function that stops the count. The reader stops it for good
  // with the "Keep open" button put at the end of into (box by default), or by
  // taking the keyboard into the box; the "Close" button beside it, unless the
  // box has a close button of its own, calls done('button'). The time left is
  // said to screen readers once, politely, a second in. A new count replaces
  // the buttons of the one before.
  function countdown(box, ms, done, into) {
    var pointer = false, last = Date.now(), timer = null, saying = null;
    var bar = box.querySelector('[data-countdown]');
    if (bar) bar.parentNode.removeChild(bar);
    bar = document.createElement('div');
    bar.setAttribute('data-countdown', '');
    var keep = boxButton(boxText(box, 'keep-open', 'Keep open'), keepOpen);
    var live = document.createElement('span');
    function enter() { pointer = true; }
    function leave() { pointer = false; }
    function halt() {
      clearInterval(timer);
      clearTimeout(saying);
      box.removeEventListener('pointerenter', enter);
      box.removeEventListener('pointerleave', leave);
      box.removeEventListener('focusin', keepOpen);
      box.removeEventListener('keydown', keepOpen);
    }
    function keepOpen() {
      halt();
      keep.setAttribute('aria-pressed', 'true');
    }
    keep.setAttribute('aria-pressed', 'false');
    live.setAttribute('aria-live', 'polite');
    live.style.cssText = 'position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0);';
    bar.appendChild(keep);
    if (!box.querySelector('[data-close]')) {
      bar.appendChild(boxButton(boxText(box, 'close', 'Close'), function () { done('button'); }));
    }
    bar.appendChild(live);
    (into || box).appendChild(bar);
    box.addEventListener('pointerenter', enter);
    box.addEventListener('pointerleave', leave);
    box.addEventListener('focusin', keepOpen);
    box.addEventListener('keydown', keepOpen);
    saying = setTimeout(function () {
      live.textContent = boxText(box, 'closes-in', 'Closes in %1 seconds.').replace('%1', Math.ceil(ms / 1000));
    }, 1000);
    timer = setInterval(function () {
      var now = Date.now();
      if (!pointer) ms -= now - last;
      last = now;
      if (ms <= 0) done('countdown');
    }, 100);
    return halt;
  }

  // The box's own record, kept by its script: its type, and what the scripts
  // written after that script in the same head section hand it in a
  // "zephrin-part" event (the storage key, the language, the display rules'
  // hold(start) and memory, and the analytics' track(what, detail)). No other
  // box can reach or change it.
  function boxRecord(type) {
    var record = { type: type, key: null, language: null, hold: null, track: null, memory: null, state: '' };
    var script = document.currentScript;
    if (script) {
      script.addEventListener('zephrin-part', function (e) {
        var part = e.detail;
        part.taken = true;
        record.key = part.key;
        record.language = part.language || 'en';
        record.hold = part.hold || record.hold;
        record.track = part.track || record.track;
        record.memory = part.memory || record.memory;
      });
    }
    return record;
  }

  // Tells the page what happened to box: a bubbling zephrin:show,
  // zephrin:close (detail.how: 'link', 'button', 'esc' or 'countdown') or
  // zephrin:submit event from it, detail naming the type, the storage key and
  // the language; and the box's analytics, if any. A box shows once and
  // closes once; a close before the show or after the close says nothing.
  function announce(record, box, what, how) {
    if (what === 'show' ? record.state : what === 'close' && record.state !== 'show') return;
    if (what !== 'submit') record.state = what;
    var detail = { type: record.type, key: record.key, language: record.language };
    if (how) detail.how = how;
    box.dispatchEvent(new CustomEvent('zephrin:' + what, { bubbles: true, detail: detail }));
    if (record.track) record.track(what, detail);
  }
